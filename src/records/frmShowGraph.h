#pragma once
// The graph view: the twelve monthly rates of a year, or the rates of the
// last twelve drills, drawn as lines over an axis picture. Each press of
// the view button draws one more line in the next pen colour.
#include <QDialog>
#include <QImage>

#include "records/StatsViews.h"
#include "settings/Settings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The axis picture of a graph type: white, the vertical axis at x = 47 with
// the labels 0 .. 100 and "(%)", the horizontal axis at y = 163 with the
// labels 1 .. 12 and "(月)" or "(回目)".
QImage GraphBackground(GraphType type);

// The drawing area: a picture that lines are drawn into.
class TGraphImage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ImageWidth = 329;
    static constexpr int ImageHeight = 201;
    explicit TGraphImage(QWidget *parent = nullptr);

    // Replaces the picture with the background of a type.
    void SetBackground(GraphType type);
    // Draws a straight line through the points in a colour (red in the low byte).
    void DrawLine(const QVector<QPoint> &points, int colorNumber);
    const QImage &Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;                              // the picture at one pixel per point
    GraphType m_type = GraphType::Monthly;
    QVector<QPair<QVector<QPoint>, QColor>> m_lines; // what was drawn on it, for sharper screens
};

class TfrmShowGraph : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmShowGraph(const Settings &settings, QWidget *parent = nullptr);

    QLabel *Panel1 = nullptr;
    QGroupBox *rgType = nullptr;
    QRadioButton *rbMonthly = nullptr;   // item 0 "毎月の正解率"
    QRadioButton *rbRecent = nullptr;    // item 1 "毎回の正解率"
    QLabel *Label1 = nullptr;
    QComboBox *cboQuestionFile = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cboYear = nullptr;
    TGraphImage *imgGraph = nullptr;
    QPushButton *cmdView = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdClose = nullptr;

    // The chosen type: 0 monthly, 1 recent drills.
    int TypeIndex() const;
    // Colour of the next line (0 .. 5).
    int PenCounter() const { return m_pen; }

public slots:
    void FormShow();
    void cmdViewClick();
    void cmdClearClick();
    void rgTypeClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Settings m_settings;
    int m_pen = 0;
    bool m_shown = false;
};

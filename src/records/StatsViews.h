#pragma once
// What the correct-rate table, the rate graph and the drill history show, and
// the history's export formats. The views only read the record files (day
// detail, year detail, recent drill file) and the drill history of the run;
// the export appends to a file the learner chooses.
#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

struct DateStrings;
struct DrillState;
struct Settings;

// --- shared choices --------------------------------------------------------------
// The first year the year lists offer.
constexpr int FirstViewYear = 1999;
// "1999", "2000", ... up to the current year; a clock set before 1999 still
// gives "1999" alone.
QStringList ViewYears(int currentYear);
// The collection base name the record files are named after: the file name
// without its last four characters (".txt"), as the drill writes them.
QString ViewBaseName(const QString &collectionFileName);

// --- correct-rate table --------------------------------------------------------------
struct PercentRow
{
    QString Date;   // "3/9"
    int Asked = 0;
    int Atari = 0;
    QString Rate;   // the stored rate of the day (third field of its value)
};

struct PercentTable
{
    QList<PercentRow> Rows;
    qint64 Asked = 0;       // month totals, summed over the rows (wider than
    qint64 Atari = 0;       // one stored count, so that the sum cannot wrap)
    QString MonthRate;      // rate of the totals ("" when there is no row)
};

// Day detail file of a collection for a chosen year and month ("1".."12").
QString ViewDayDetailFile(const Settings &settings, const QString &base, const QString &year,
                          const QString &month);
// The day rows of the day detail file, in section order 1 .. DayNum. A
// section without "Date" is dated `now`'s month/day. A missing file gives no
// rows. DayNum is not followed past MaxDaySections (a hand-edited number).
constexpr int MaxDaySections = 1000;
PercentTable ReadPercentTable(const Settings &settings, const QString &base, const QString &year,
                              const QString &month, const DateStrings &now);
// The list's rate column: rate + " ％".
QString PercentRateText(const QString &rate);
// month + "月の正解率は、" + rate + " ％です"
QString MonthTotalText(const QString &month, const QString &monthRate);

// --- rate graph ----------------------------------------------------------------------------
enum class GraphType { Monthly = 0, Recent = 1 };
constexpr int GraphPoints = 12;
constexpr int GraphPens = 6;
// Where every line starts, and the ends of the two axes.
constexpr QPoint GraphOrigin(47, 163);
constexpr int GraphAxisTop = 12;
constexpr int GraphAxisLeft = 38;
constexpr int GraphAxisRight = 292;

// Colour number (red in the low byte) of pen 0 .. 5: black, blue, red,
// green, yellow, purple; other counters wrap round.
int GraphPenColor(int penCounter);
// The pen counter after a line has been drawn (after 5 comes 0).
int NextGraphPen(int penCounter);
// x of point k (1 .. 12); point 5 sits at 138 when its rate is a multiple
// of ten and at 136 otherwise.
int GraphX(int k, const QString &rate);
// y of a rate: 163 for 0 up to 12 for 100, 15 pixels a ten (16 from 0 to
// 10) and one pixel a unit. A rate that is not a number is drawn at 0, one
// above 100 at 100.
int GraphY(const QString &rate);
// The y of the ten-steps 0, 10, ... 100 (the vertical axis labels).
int GraphTenY(int tens);

// The twelve rates (texts) one line is drawn through: the months of `year`
// (year detail file, section base, third field of each value) or the slots
// 1 .. 12 of the recent drill file (section base). Missing data reads "0".
QStringList ReadGraphRates(const Settings &settings, GraphType type, const QString &base,
                           const QString &year);
// The line: GraphOrigin followed by the twelve points.
QVector<QPoint> GraphLine(const QStringList &rates);
// The pixels of a straight one-pixel line from one point to another, both
// ends included, so that every point of a line is drawn exactly.
QVector<QPoint> SegmentPixels(const QPoint &from, const QPoint &to);

// --- drill history -----------------------------------------------------------------------------
constexpr int HistoryRows = 10;
// The list's columns: "No.", start time, end time, file name of the
// collection, planned, correct and wrong counts, rate + "％". One row for
// each of records 0 .. 9; a drill not finished yet shows empty times and
// file name, zero counts and "％".
QList<QStringList> HistoryTable(const DrillState &d);
// "★間違えた問題リスト★\n" then for every wrong answer of finished record
// `index`: i + "、" + English + "\n\t" + Japanese + "\n\t" + comment + "\n\n",
// read from the collection the drill used. Empty when the drill has no wrong
// answer; false with *error when its collection cannot be read.
bool WrongAnswerList(const DrillState &d, int index, QString &list, QString *error = nullptr);

enum class ExportFormat { Text, Csv };
// Default extension and filter of the save dialog.
QString ExportExtension(ExportFormat format);
QString ExportFilter(ExportFormat format);
// The chosen name with "." + extension added when it has none.
QString WithDefaultExtension(const QString &path, const QString &extension);
// The lines one export appends (each will end with CR LF): the date line,
// the CSV header, one line per listed drill (CSV: each followed by an empty
// line) and, for text, the closing line and an empty line.
QStringList HistoryExportLines(const QList<QStringList> &table, ExportFormat format,
                               const QDate &today);
// Appends those lines to `path` (created when missing).
bool ExportHistory(const QString &path, const QList<QStringList> &table, ExportFormat format,
                   const QDate &today, QString *error = nullptr);
// The message for an export file that cannot be opened.
QString ExportFailedText();

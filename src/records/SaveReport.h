#pragma once
// The failures of the saves one step makes (a judged answer writes its
// question data, importance, day and month counts; the end of a drill its
// recent rate and study log), gathered so that the learner is told once, in
// one message naming every file that could not be written.
#include <QString>
#include <QStringList>

class SaveReport
{
public:
    // Notes `error` when `ok` is false; returns `ok`.
    bool note(bool ok, const QString &error);
    bool isEmpty() const { return m_errors.isEmpty(); }
    // `heading`, then each failure on a line of its own (the same failure
    // once); empty when nothing failed.
    QString message(const QString &heading) const;
    void clear() { m_errors.clear(); }

private:
    QStringList m_errors;
};

// The headings of the two reports.
QString AnswerSaveFailedHeading();
QString DrillEndSaveFailedHeading();

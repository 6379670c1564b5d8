#include "records/StatsViews.h"

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "platform/CorrectRate.h"
#include "platform/DateStrings.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "records/RecordPaths.h"
#include "records/RecordText.h"
#include "records/StudyDetails.h"
#include "settings/Settings.h"

#include <QFileInfo>

namespace {

const QString kZeroValue = QStringLiteral("0,0,0");
const QString kInformation = QStringLiteral("Information");
const QString kDayNum = QStringLiteral("DayNum");
const QString kDate = QStringLiteral("Date");

constexpr int kTenY[11] = {163, 147, 132, 117, 102, 87, 72, 57, 42, 27, 12};
constexpr int kX[GraphPoints] = {62, 80, 100, 118, 136, 153, 171, 189, 207, 225, 250, 275};
constexpr int kPenColors[GraphPens] = {0, 16711680, 255, 32768, 65535, 8388736};

// A rate text as a whole percent within 0 .. 100 (0 when it is no number).
int rateValue(const QString &rate)
{
    bool ok = false;
    const int r = rate.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    return qBound(0, r, 100);
}

// A CSV field as it is; quoted (quotes doubled) when it holds a separator.
QString csvField(const QString &field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QStringList ViewYears(int currentYear)
{
    QStringList years;
    for (int y = FirstViewYear; y <= qMax(FirstViewYear, currentYear); ++y)
        years << QString::number(y);
    return years;
}

QString ViewBaseName(const QString &collectionFileName)
{
    return Paths::baseName(collectionFileName);
}

QString ViewDayDetailFile(const Settings &settings, const QString &base, const QString &year,
                          const QString &month)
{
    Settings s = settings;
    s.QuestionBaseName = base;
    DateStrings d;
    d.Year = year;
    d.Month = month;
    d.YearMonth = year + month;
    return DayDetailFile(s, d);
}

PercentTable ReadPercentTable(const Settings &settings, const QString &base, const QString &year,
                              const QString &month, const DateStrings &now)
{
    PercentTable table;
    const IniFile ini(ViewDayDetailFile(settings, base, year, month));
    const int dayNum = qMin(MaxDaySections, ini.readInt(kInformation, kDayNum, 0));
    const QString defaultDate = now.Month + QLatin1Char('/') + now.Day;
    for (int day = 1; day <= dayNum; ++day) {
        const QString section = QString::number(day);
        PercentRow row;
        row.Date = ini.readString(section, kDate, defaultDate);
        const CountRateValue v = ParseCountRate(ini.readString(section, row.Date, kZeroValue));
        row.Asked = v.Asked;
        row.Atari = v.Atari;
        row.Rate = v.Rate;
        table.Asked += row.Asked;
        table.Atari += row.Atari;
        table.Rows.append(row);
    }
    if (!table.Rows.isEmpty())
        table.MonthRate = CorrectRate(table.Atari, table.Asked);
    return table;
}

QString PercentRateText(const QString &rate)
{
    return rate + QStringLiteral(" ％");
}

QString MonthTotalText(const QString &month, const QString &monthRate)
{
    return month + QStringLiteral("月の正解率は、") + monthRate + QStringLiteral(" ％です");
}

int GraphPenColor(int penCounter)
{
    const int i = ((penCounter % GraphPens) + GraphPens) % GraphPens;
    return kPenColors[i];
}

int NextGraphPen(int penCounter)
{
    return penCounter >= GraphPens - 1 || penCounter < 0 ? 0 : penCounter + 1;
}

int GraphX(int k, const QString &rate)
{
    const int i = qBound(1, k, GraphPoints) - 1;
    if (i == 4 && rateValue(rate) % 10 == 0)
        return 138;
    return kX[i];
}

int GraphTenY(int tens)
{
    return kTenY[qBound(0, tens, 10)];
}

int GraphY(const QString &rate)
{
    const int r = rateValue(rate);
    return kTenY[r / 10] - r % 10;
}

QStringList ReadGraphRates(const Settings &settings, GraphType type, const QString &base,
                           const QString &year)
{
    QStringList rates;
    if (type == GraphType::Monthly) {
        DateStrings d;
        d.Year = year;
        const IniFile ini(YearDetailFile(settings, d));
        for (int k = 1; k <= GraphPoints; ++k)
            rates << ParseCountRate(ini.readString(base, QString::number(k), kZeroValue)).Rate;
    } else {
        const IniFile ini(TempFile(settings));
        for (int k = 1; k <= GraphPoints; ++k)
            rates << ini.readString(base, QString::number(k), QStringLiteral("0"));
    }
    return rates;
}

QVector<QPoint> GraphLine(const QStringList &rates)
{
    QVector<QPoint> points{GraphOrigin};
    for (int k = 1; k <= GraphPoints; ++k) {
        const QString r = rates.value(k - 1, QStringLiteral("0"));
        points.append(QPoint(GraphX(k, r), GraphY(r)));
    }
    return points;
}

QVector<QPoint> SegmentPixels(const QPoint &from, const QPoint &to)
{
    QVector<QPoint> pixels;
    int x = from.x(), y = from.y();
    const int dx = qAbs(to.x() - x), dy = -qAbs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        pixels.append(QPoint(x, y));
        if (x == to.x() && y == to.y())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return pixels;
}

QList<QStringList> HistoryTable(const DrillState &d)
{
    QList<QStringList> table;
    // Rows of drills not done yet are numbered on from the latest drill.
    const int kept = qMax(0, qMin(d.DrillCount, int(d.Drills.size())));
    const int latest = kept > 0 ? DrillNumberOf(d, kept - 1) : 0;
    for (int i = 0; i < HistoryRows; ++i) {
        const DrillRecord *r = FinishedRecord(d, i);
        const DrillRecord empty;
        const DrillRecord &rec = r ? *r : empty;
        const int number = r ? DrillNumberOf(d, i) : latest + i - kept + 1;
        table.append({QString::number(number), rec.StartTime, rec.EndTime,
                      Paths::fileName(rec.QuestionFile), QString::number(rec.PlannedCount),
                      QString::number(rec.AtariCount), QString::number(rec.HazureCount),
                      rec.CorrectRate + QStringLiteral("％")});
    }
    return table;
}

bool WrongAnswerList(const DrillState &d, int index, QString &list, QString *error)
{
    list.clear();
    const DrillRecord *r = FinishedRecord(d, index);
    if (!r)
        return true;
    const int wrong = qMin(r->HazureCount, int(r->WrongLines.size()));
    if (wrong <= 0)
        return true;
    QStringList lines;
    if (!TextFile::readLines(r->QuestionFile, lines, error))
        return false;
    list = QStringLiteral("★間違えた問題リスト★\n");
    for (int i = 0; i < wrong; ++i) {
        const int line = r->WrongLines.at(i);
        list += QString::number(i + 1) + QStringLiteral("、") + lines.value(line + 1)
                + QStringLiteral("\n\t") + lines.value(line + 2) + QStringLiteral("\n\t")
                + lines.value(line + 3) + QStringLiteral("\n\n");
    }
    return true;
}

QString ExportExtension(ExportFormat format)
{
    return format == ExportFormat::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
}

QString ExportFilter(ExportFormat format)
{
    return format == ExportFormat::Csv ? QStringLiteral("CSVファイル (*.csv)|*.csv")
                                       : QStringLiteral("テキストファイル (*.txt)|*.txt");
}

QString WithDefaultExtension(const QString &path, const QString &extension)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

QStringList HistoryExportLines(const QList<QStringList> &table, ExportFormat format,
                               const QDate &today)
{
    QStringList out;
    out << QStringLiteral("%1年%2月%3日").arg(today.year()).arg(today.month()).arg(today.day());
    if (format == ExportFormat::Csv)
        out << QStringLiteral("No.,開始時間,終了時間,使用辞書,出題数,正解数,不正解数,正解率");
    for (int i = 0; i < qMin(HistoryRows, int(table.size())); ++i) {
        const QStringList &row = table.at(i);
        if (row.value(3).isEmpty())
            continue;
        const int number = i + 1;
        if (format == ExportFormat::Csv) {
            QStringList fields{QString::number(number)};
            for (int c = 1; c < 8; ++c)
                fields << csvField(row.value(c));
            out << fields.join(QLatin1Char(',')) << QString();
        } else {
            out << QStringLiteral("No.%1 %2～%3 %4 出：%5問 正：%6問 不：%7問 率：%8")
                       .arg(QString::number(number), row.value(1), row.value(2), row.value(3),
                            row.value(4), row.value(5), row.value(6), row.value(7));
        }
    }
    if (format == ExportFormat::Text)
        out << QStringLiteral("------------------------<<<") << QString();
    return out;
}

bool ExportHistory(const QString &path, const QList<QStringList> &table, ExportFormat format,
                   const QDate &today, QString *error)
{
    return AppendRecordLines(path, HistoryExportLines(table, format, today), error);
}

QString ExportFailedText()
{
    return QStringLiteral("ファイルを開くことができませんでした。\n"
                          "指定したファイルが存在するか確かめて、再度｢保存｣を押してください");
}

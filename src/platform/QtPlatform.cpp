#include "QtPlatform.h"

#include "QtSpeaker.h"
#include "TextFile.h"

#include "widgets/Accessibility.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

namespace {

// Closes the window it watches when Esc is pressed in it.
class CloseOnEscape : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            static_cast<QWidget *>(watched)->close();
            return true;
        }
        return false;
    }
};

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MsgResult QtPlatform::message(QWidget *parent, const QString &caption, const QString &text,
                              MsgKind kind)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case MsgKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgKind::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
        break;
    case MsgKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    const int r = box.exec();
    if (kind == MsgKind::Question)
        return r == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    return MsgResult::Ok;
}

QString QtPlatform::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts.at(i);
        QString pattern = parts.at(i + 1);
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!desc.contains(QLatin1Char('(')))
            desc += QStringLiteral(" (") + pattern + QLatin1Char(')');
        else if (!desc.contains(pattern))
            desc = desc.left(desc.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (")
                   + pattern + QLatin1Char(')');
        out.append(desc);
    }
    return out.join(QStringLiteral(";;"));
}

QString QtPlatform::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, qtFilter(filter));
}

QString QtPlatform::saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter, SaveMode mode)
{
    const QFileDialog::Options options =
        mode == SaveMode::Append ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
    return QFileDialog::getSaveFileName(parent, title, folder, qtFilter(filter), nullptr, options);
}

bool QtPlatform::chooseColor(QWidget *parent, QColor &color)
{
    const QColor c = QColorDialog::getColor(color, parent);
    if (!c.isValid())
        return false;
    color = c;
    return true;
}

bool QtPlatform::chooseFont(QWidget *parent, QFont &font)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = f;
    return ok;
}

bool QtPlatform::inputText(QWidget *parent, const QString &caption, const QString &prompt,
                           QString &value)
{
    bool ok = false;
    const QString v = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = v;
    return ok;
}

int QtPlatform::execDialog(QDialog *dialog)
{
    NameControlsWhenShown(dialog);
    return dialog->exec();
}

void QtPlatform::playSound(const QString &wavPath)
{
    if (wavPath.isEmpty() || !QFileInfo(wavPath).isFile())
        return;
    if (!m_sound)
        m_sound = new QSoundEffect(qApp);
    m_sound->stop();
    m_sound->setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
    m_sound->play();
}

Speaker &QtPlatform::speaker()
{
    if (!m_speaker)
        m_speaker = std::make_unique<QtSpeaker>();
    return *m_speaker;
}

bool QtPlatform::shellOpen(const QString &target)
{
    if (target.isEmpty())
        return false;
    QUrl url(target);
    if (url.scheme().size() > 1) // http:, mailto: ... (not a drive letter)
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

bool QtPlatform::launchProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, QStringList(), QFileInfo(path).absolutePath());
}

void QtPlatform::setClipboardText(const QString &text)
{
    if (auto *cb = QGuiApplication::clipboard())
        cb->setText(text);
}

QString QtPlatform::clipboardText()
{
    auto *cb = QGuiApplication::clipboard();
    return cb ? cb->text() : QString();
}

void QtPlatform::closeWindowByCaption(const QString &caption)
{
    // Our own windows first, then other programs' (exact title, through the
    // window manager when wmctrl is available; nothing happens otherwise).
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == caption) {
            w->close();
            return;
        }
    const QString wmctrl = QStandardPaths::findExecutable(QStringLiteral("wmctrl"));
    if (!wmctrl.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb"))
        QProcess::startDetached(wmctrl, {QStringLiteral("-F"), QStringLiteral("-c"), caption});
}

void QtPlatform::setInputMethod(QWidget *widget, bool on)
{
    if (!widget)
        return;
    widget->setAttribute(Qt::WA_InputMethodEnabled, on);
    if (widget->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

void QtPlatform::showHelp(const QString &helpFile, const QString &topic)
{
    // The help file is an HTML page in the program's code page; the viewer
    // is one browser window that stays open beside the program.
    QByteArray bytes;
    QString error;
    if (!TextFile::readBytes(helpFile, bytes, &error)) {
        message(QApplication::activeWindow(), QStringLiteral("ヘルプ"),
                QStringLiteral("ヘルプファイル ") + helpFile + QStringLiteral(" を開くことができません"),
                MsgKind::Warning);
        return;
    }
    if (!m_help) {
        m_help = new QTextBrowser;
        m_help->setObjectName(QStringLiteral("helpViewer"));
        m_help->setAttribute(Qt::WA_DeleteOnClose, false);
        m_help->setAttribute(Qt::WA_QuitOnClose, false); // closing the main window ends the program
        m_help->setOpenExternalLinks(true);
        m_help->resize(640, 560);
        m_help->setAccessibleName(QStringLiteral("ヘルプ"));
        // Esc closes the viewer as it closes a dialog.
        m_help->installEventFilter(new CloseOnEscape(m_help));
        // The viewer goes with the application, before the widgets' world ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [this] { delete m_help; });
    }
    m_help->setHtml(TextFile::decode(bytes));
    m_help->setWindowTitle(m_help->documentTitle().isEmpty() ? QStringLiteral("ヘルプ")
                                                             : m_help->documentTitle());
    if (!topic.isEmpty())
        m_help->scrollToAnchor(topic);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

bool QtPlatform::printDocument(QWidget *parent, QTextDocument *document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document->metaInformation(QTextDocument::DocumentTitle));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document->print(&printer);
    return true;
}

QStringList QtPlatform::fontFamilies()
{
    return QFontDatabase::families();
}

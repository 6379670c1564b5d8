#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "widgets/Captions.h"
#include "widgets/Look.h"

#include <QApplication>
#include <exception>

namespace {

// An error escaping a command is shown in a message box and the program
// goes on with the next event.
class UlvendoApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &e) {
            platform().message(nullptr, PlainCaption(), QString::fromLocal8Bit(e.what()),
                               MsgKind::Warning);
        } catch (...) {
            platform().message(nullptr, PlainCaption(), QStringLiteral("予期しないエラーが発生しました"),
                               MsgKind::Warning);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    const CommandLine::Options options = Startup::readCommandLine(argc, argv);
    if (options.action != CommandLine::Action::Run)
        return Startup::exitCode(options);
    const FontConfigurationReader fonts;
    UlvendoApplication app(argc, argv);
    Startup::prepareApplication(app);
    UseProgramStyle();
    if (!Startup::useDataFolder(options.home))
        return 1;
    // One running Ulvendo per data folder: a later start writes nothing.
    SingleInstance instance;
    if (!instance.start(Paths::programFolder()))
        return 0;
    TfrmMain w;
    instance.setWindow(&w);
    w.show();
    return app.exec();
}

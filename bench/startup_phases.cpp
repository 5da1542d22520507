// Where start-up time goes, in process: the application object, the windows with their 400
// controls and assets, and showing the main window until its first paint.
#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <cstdio>

#include "app/art/glyphs.h"
#include "app/windows.h"
#include "recording_services.h"
#include "ui/look.h"

namespace {

// Reports the first paint of the window it watches.
class FirstPaint : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(kelvo::PixelFont(11));
    QApplication::setWindowIcon(kelvo::GlyphIcon(kelvo::Glyph::Application));
    const qint64 application = clock.restart();

    kelvo::scenario::RecordingServices services;
    const kelvo::Windows windows = kelvo::CreateWindows(services);
    const qint64 created = clock.restart();

    FirstPaint watcher;
    windows.MainForm->installEventFilter(&watcher);
    windows.MainForm->show();
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 shown = clock.elapsed();

    std::printf("application object, style, font and icon: %lld ms\n", application);
    std::printf("creating the windows: %lld ms\n", created);
    std::printf("showing the main window until its first paint: %lld ms\n", shown);
    std::printf("total: %lld ms\n", application + created + shown);
    return 0;
}

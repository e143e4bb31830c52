// Saves a screenshot of the main window as the display shows it (run it under Xvfb):
//   xvfb-run -s "-screen 0 800x600x24" captura_ventana docs/ventana-principal.png
// Documentation equipment, not part of the product.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "app/gui/tm_form.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    quimbo::gui::TMForm form({}, quimbo::gui::FormPlaces::fromPlatform());
    form.move(20, 20);
    form.show();
    int status = 1;
    QTimer::singleShot(800, [&] {
        const QPixmap shot = form.screen()->grabWindow(form.winId());
        status = shot.save(target) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}

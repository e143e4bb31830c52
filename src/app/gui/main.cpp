// TransQuimboSeneca: the window over the converter's core.
#include <QApplication>

#include "app/gui/message_box.hpp"
#include "app/gui/tm_form.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(quimbo::gui::kApplicationTitle);
    QApplication::setApplicationDisplayName(quimbo::gui::kApplicationTitle);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    quimbo::gui::TMForm form(arguments, quimbo::gui::FormPlaces::fromPlatform());
    form.FormShow();
    if (form.hasClosed()) {
        return 0;  // a run closed the window before it was ever displayed
    }
    form.show();
    return QApplication::exec();
}

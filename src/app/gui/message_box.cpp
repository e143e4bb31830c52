#include "app/gui/message_box.hpp"

#include <QMessageBox>
#include <QPushButton>

namespace quimbo::gui {

namespace {

MessagePresenter& presenter() {
    static MessagePresenter instance;
    return instance;
}

}  // namespace

QMessageBox* createMessageBox(QWidget* parent, const QString& text) {
    auto* box = new QMessageBox(parent);  // owned by its parent; deleted on close otherwise
    box->setWindowTitle(kApplicationTitle);
    box->setText(text);
    box->setIcon(QMessageBox::NoIcon);
    box->addButton("Aceptar", QMessageBox::AcceptRole);
    return box;
}

void showMessage(QWidget* parent, const QString& text) {
    if (presenter()) {
        presenter()(parent, text);
        return;
    }
    QMessageBox* box = createMessageBox(parent, text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
}

void showErrorReport(QWidget* parent, const QString& text) {
    showMessage(parent, text);
}

void setMessagePresenterForTesting(MessagePresenter replacement) {
    presenter() = std::move(replacement);
}

}  // namespace quimbo::gui

#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace quimbo::gui {

inline constexpr const char* kApplicationTitle = "TransQuimboSeneca";

// A message box of the application: caption "TransQuimboSeneca" and the single button "Aceptar".
QMessageBox* createMessageBox(QWidget* parent, const QString& text);

// Shows a message modally. The general error report shows an error's own text the same way.
void showMessage(QWidget* parent, const QString& text);
void showErrorReport(QWidget* parent, const QString& text);

// Tests replace the modal box by a recorder; an empty function restores it.
using MessagePresenter = std::function<void(QWidget* parent, const QString& text)>;
void setMessagePresenterForTesting(MessagePresenter presenter);

}  // namespace quimbo::gui

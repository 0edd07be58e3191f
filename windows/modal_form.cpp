#include "windows/modal_form.h"

#include <QCloseEvent>

ModalForm::ModalForm(QWidget* parent) : QDialog(parent) {}

void ModalForm::Unload() {
    if (unloaded) return;
    unloaded = true;
    Form_Unload();
    hide();
}

void ModalForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QMetaObject::invokeMethod(
        this, [this] {
            if (isVisible() && !unloaded) Form_Activate();
        },
        Qt::QueuedConnection);
}

void ModalForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Unload();
}

void ModalForm::reject() { close(); }

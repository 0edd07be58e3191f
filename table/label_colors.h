#pragma once
// The label colour rule of the main window.
#include <QString>

class QWidget;

// Labels with one of these captions, or none, stay navy whatever the text colour.
bool KeepsNavyCaption(const QString& caption);
// Gives every label of the window with such a caption its navy colour again.
void RecolorExceptedLabels(QWidget* form);

#pragma once

class QWidget;

// The main window's two warnings, both titled "Warning".
void ShowMissingEntryWarning(QWidget* parent);  // with the warning icon
void ShowInvalidEntryWarning(QWidget* parent);  // "Invalid Entry", no icon

#include "app/Warnings.h"

#include "platform/MessageBox.h"

void ShowMissingEntryWarning(QWidget* parent) {
    platform::ShowMessage(parent,
                          {QStringLiteral("Please enter the number of students according to "
                                          "their grades"),
                           QStringLiteral("Warning"), platform::MessageIcon::Warning});
}

void ShowInvalidEntryWarning(QWidget* parent) {
    platform::ShowMessage(parent, {QStringLiteral("Invalid Entry"), QStringLiteral("Warning"),
                                   platform::MessageIcon::None});
}

#pragma once

#include <QLabel>

// A label that shows a result. Screen readers know it by a fixed name ("GPA", "Total
// Students", "Share of A+ students") and read the result it shows as its text.
class ResultLabel : public QLabel {
    Q_OBJECT

  public:
    ResultLabel(const QString& accessibleName, const QString& accessibleDescription,
                QWidget* parent = nullptr);
};

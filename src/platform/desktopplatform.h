#pragma once

#include "platform/platform.h"

namespace mirandel {

// The real desktop: QDesktopServices, QProcess, QApplication::beep, QMessageBox, QLocale.
class DesktopPlatform final : public Platform
{
public:
    void shellOpen(const QString& target) override;
    void launchCalculator() override;
    void beep() override;
    QString programFolder() const override;
    QChar decimalSeparator() const override;
    QChar dateSeparator() const override;
    QDate today() const override;
    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& title, const QString& message) override;
};

} // namespace mirandel

#pragma once

// The about box and listing range window. Its range fields From, To and Step exist from
// start-up and keep their last values: the main window writes them while the user types.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirandel {

class Program;

class TPub : public QDialog
{
    Q_OBJECT

public:
    TPub(Program& program, QWidget* parent);

    // Writes the listing range fields; a null text leaves its field as it is.
    void setListingRange(const QString& from, const QString& to, const QString& step);
    void setTitle(const QString& title);
    QString title() const;
    // Shows the listing range face (true) or the about face (false).
    void showRangePanel(bool visible);

    QWidget* PanelTableau;
    QLabel* LabelTitre;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* Button2;
    QPushButton* Button1;
    QPushButton* OKButton;

private:
    Program& m_program;
};

} // namespace mirandel

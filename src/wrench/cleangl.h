#pragma once

// The wrench and cable size dialog: an inch fraction typed as numerator / denominator
// becomes millimetres and decimal inches in the main window's two fields ("Apply" with
// "Convert mm"), or the US/UK wrench equivalence listing is previewed or exported.

#include "listings/exportbuffer.h"
#include "listings/listingdocument.h"

#include <QDialog>
#include <QLineEdit>

class QPushButton;
class QRadioButton;

namespace mirandel {

class Program;
class TCreditLabel;

// A two-character fraction field: the whole text is selected when the focus comes from the
// keyboard or the program, so the first character typed replaces the old value.
class TFractionEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class TfrmcleDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmcleDlg(Program& program, QWidget* parent);

    void ButtonValideClick();
    void Label9Click();

    // The listing document and the export text buffer every listing writer uses, whether
    // the dialog is showing or not.
    ListingDocument& listingDocument() { return RichEdit1; }
    ExportBuffer& exportBuffer() { return Memo1; }

    QPushButton* CancelBtn;
    TFractionEdit* Edit1;
    TFractionEdit* Edit2;
    QPushButton* ButtonValide;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    TCreditLabel* Label9;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // The key filter of both edits; returns true when the key is consumed.
    bool EditKeyPress(QLineEdit* edit, QKeyEvent* event);
    // Focus leaving an edit: an empty text or "0" becomes "1".
    static void EditExit(QLineEdit* edit);
    // Writes n/d into the main window's fields; throws on bad text or a zero denominator.
    void convertToMillimetres();
    // The US/UK wrench equivalence listing, previewed or exported.
    void exportlistecle();

    Program& m_program;
    ListingDocument RichEdit1;
    ExportBuffer Memo1;
};

} // namespace mirandel

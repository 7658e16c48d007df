#pragma once

// The about box and listing range window. With its panel PanelTableau hidden it is the
// about box; shown, the user chooses From, To and Step, preview or export, and "Apply"
// counts the rows (at most 3000), runs the listing its title names and delivers it.
//
//   caller sets title and range -> exec -> Apply -> row count -> generator by title
//   -> preview on the report page, or export follow-up (shell open / information box)
//
// Its range fields exist from start-up and keep their last values: the main window writes
// them while the user types, the temperature panel when its Celsius slider moves.

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirandel {

class Program;
class TCreditLabel;

class TPub : public QDialog
{
    Q_OBJECT

public:
    TPub(Program& program, QWidget* parent);

    // The title that selects each listing; any other title runs the conversion listing.
    static QString temperatureTitle();
    static QString atmosphereTitle();

    // Writes the listing range fields; a null text leaves its field as it is.
    void setListingRange(const QString& from, const QString& to, const QString& step);
    void setTitle(const QString& title);
    QString title() const;
    // Shows the listing range face (true) or the about face (false).
    void showRangePanel(bool visible);
    bool exportMode() const;

    // Rows a listing from `from` to `to` by `step` writes: at least 1; nullopt when there is
    // no end (a step that does not advance); the largest count when To - From is past the
    // 64-bit range.
    static std::optional<qint64> rowCount(qint64 from, qint64 to, qint64 step);
    static constexpr qint64 maximumRows = 3000;

    void Button2Click();

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
    QLabel* Label5;
    TCreditLabel* Label6;
    QLabel* Label1;
    QLabel* Label8;
    TCreditLabel* Label9;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAboutFace();
    void buildRangePanel();
    bool fieldKeyPress(QLineEdit* field, QKeyEvent* event);
    void fieldKeyRelease(QLineEdit* field);
    void fieldExit(QLineEdit* field);
    void openHomePage();
    // Runs the listing the title names; throws on bad input or a file fault.
    void runListing();

    Program& m_program;
};

} // namespace mirandel

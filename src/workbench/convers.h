#pragma once

// The main window. A keystroke in an entry field goes to TValueEntry (valueentry.h):
// key filter -> key release -> calculer -> catalogue::lookupFactor -> rounding -> result.
// A pick in the category list, a pair pick or a category action (categories.cpp) sets up
// the pair list, labels, reference text and panels from the unit catalogue (catalogue.h).
// The side tools, the listing commands and the about box are reached through the Program.

#include "workbench/catalogue.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class QToolButton;

namespace mirandel {

class Program;
class TCloseUpComboBox;
class TCreditLabel;
class TKerosenePanel;
class TPicture;
class TTemperaturePanel;
class TValueEntry;

class TFrmConversion : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFrmConversion(Program& program);
    ~TFrmConversion() override;

    TValueEntry& entry() { return *m_entry; }
    // The selected category and pair (-1 when none).
    int categoryIndex() const;
    int pairIndex() const;

    // Category list pick, pair pick, category reset and the category actions.
    void ComboBoxUniteDeClick();
    void ComboBoxConverseCloseUp();
    void initialise();
    void ToolButton5Click();
    void ToolButton3Click();
    void ToolButton8Click();
    void ToolButton2Click();
    void ToolButton9Click();
    void ToolButton4Click();
    void ToolButton6Click();

    // Activation step: runs once, when the window is first activated.
    void FormActivate();

    // Side tools.
    void abledamospherestandard1Click();
    void CalculetteHrsmin1Click();
    void Button5Click();
    void Units1Click();

    // Listing and about commands.
    void ButtonTableauClick();
    void Editiondetableau1Click();
    void Label4Click();

    // Credit labels.
    void Label8Click();
    void Label10Click();

    QToolBar* ToolBar1;
    QToolBar* ToolBar2;
    QToolButton* ToolButton5;
    QToolButton* ToolButton8;
    QToolButton* ToolButton9;
    QToolButton* ToolButton6;
    QToolButton* ToolButton3;
    QToolButton* ToolButton4;
    QToolButton* ToolButton2;
    QToolButton* ToolButton7;
    QComboBox* ComboBoxUniteDe;
    TCloseUpComboBox* ComboBoxConverse;
    QLabel* LabelSaisieAnglo;
    QLabel* LabelsaisieMet;
    QPlainTextEdit* Memo1;
    TPicture* Image3;
    TPicture* Image1;
    TCreditLabel* Label10;
    TCreditLabel* Label4;
    QPushButton* ButtonTableau;
    TTemperaturePanel* Paneltemp;
    TKerosenePanel* PanelCorrection;

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildClientArea(QWidget* client);
    void buildToolBars(QWidget* client);
    void buildMenus();
    QToolButton* toolButton(QToolBar* bar, const QString& name, const QString& icon,
                            const QString& hint);
    std::optional<catalogue::Factor> lookup(catalogue::Direction direction) const;

    // Sets the reference text: one text, or lines joined by '\n'.
    void setReference(const QString& text);
    void setLabels(const QString& top, const QString& bottom);
    void fillPairs(int category);
    // The common steps of the category actions (all but the temperature action).
    void categoryAction(int category, const QString& reference, const QString& top,
                        const QString& bottom, const QColor& topColour);

    Program& m_program;
    TValueEntry* m_entry = nullptr;
    bool m_activated = false;
};

} // namespace mirandel

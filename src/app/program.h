#pragma once

// The program: creates the seven windows in order (the main window first), then runs the
// event loop until the main window closes. Windows reach each other through it.
//
// The six windows that open from the main one are made right after the main window's
// first paint, so that it shows as soon as it can; whatever asks for one of them before
// (a test, a key typed at once) has all six made in their order there and then.

#include <QString>

#include <memory>

namespace mirandel {

class Platform;
class TFrmConversion;
class TfrmcleDlg;
class TPub;
class TWinControlForm1;
class TFrmAtmosphere;
class Tfrmcalculhrs;
class TfrmhrsatDlg;
class ListingGenerators;

class Program
{
public:
    // Uses `platform` when given (tests install a recording fake), the desktop otherwise.
    // A QApplication must exist.
    explicit Program(Platform* platform = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window and runs the event loop until it closes.
    int exec();
    // Shows the main window centred on its screen, raised and activated.
    void showMainWindow();

    Platform& platform() { return *m_platform; }

    TFrmConversion& conversion() { return *m_conversion; }
    TfrmcleDlg& cleDlg() { return *others().m_cleDlg; }
    TPub& pub() { return *others().m_pub; }
    TWinControlForm1& reports() { return *others().m_reports; }
    TFrmAtmosphere& atmosphere() { return *others().m_atmosphere; }
    Tfrmcalculhrs& calculhrs() { return *others().m_calculhrs; }
    TfrmhrsatDlg& hrsDlg() { return *others().m_hrsDlg; }
    ListingGenerators& listings() { return *others().m_listings; }

    // Makes the six other windows now if they are not made yet.
    void makeOtherWindows();

    // The product's home page (the user guide installed with the program, as a file URL)
    // and the sponsor's part of it; both are empty, and open nothing, when the guide is
    // missing.
    QString homePage() const;
    QString sponsorPage() const;

private:
    Program& others()
    {
        if (!m_listings)
            makeOtherWindows();
        return *this;
    }

    std::unique_ptr<Platform> m_ownPlatform;
    Platform* m_platform;
    std::unique_ptr<TFrmConversion> m_conversion;
    // The other windows are owned by the main window (their Qt parent).
    TfrmcleDlg* m_cleDlg = nullptr;
    TPub* m_pub = nullptr;
    TWinControlForm1* m_reports = nullptr;
    TFrmAtmosphere* m_atmosphere = nullptr;
    Tfrmcalculhrs* m_calculhrs = nullptr;
    TfrmhrsatDlg* m_hrsDlg = nullptr;
    std::unique_ptr<ListingGenerators> m_listings;
    bool m_makingOthers = false;
};

} // namespace mirandel

#include "app/program.h"

#include "atmosphere/atmos.h"
#include "flying_hours/calculhrs.h"
#include "flying_hours/hrsdlg.h"
#include "listings/Tableau.h"
#include "listings/generators.h"
#include "listings/pubfree.h"
#include "platform/desktopplatform.h"
#include "platform/windowkit.h"
#include "widgets/picture.h"
#include "widgets/singleline.h"
#include "workbench/convers.h"
#include "wrench/cleangl.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPixmapCache>
#include <QUrl>

#include <initializer_list>

#ifdef __GLIBC__
#include <malloc.h>
#endif

static void initResources()
{
    Q_INIT_RESOURCE(mirandel);
}

namespace mirandel {

namespace {

// The most Qt's global pixmap cache holds while the program runs.
constexpr int pixmapCacheKilobytes = 2 * 1024;
// The smallest memory block the C library maps on its own rather than takes from the heap.
constexpr int mappedPictureBytes = 1024 * 1024;

// Has the other windows made once the main window has painted for the first time.
class FirstPaint final : public QObject
{
public:
    FirstPaint(Program& program, QObject* parent) : QObject(parent), m_program(program) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                watched, [program = &m_program] { program->makeOtherWindows(); },
                Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    Program& m_program;
};

} // namespace

Program::Program(Platform* platform)
{
    initResources();
#ifdef __GLIBC__
    // Pictures of a mebibyte or more (a preview's view, a maximised window's backing store)
    // are mapped on their own and given back to the system when freed. Left to itself, glibc
    // raises this threshold to the size of the first one freed and carves the next ones out
    // of the heap, which then seldom shrinks again.
    mallopt(M_MMAP_THRESHOLD, mappedPictureBytes);
#endif
    // The styles keep the pictures of the frames, buttons and arrows they draw in Qt's
    // global pixmap cache, 10 MiB unless told otherwise; a long session fills it with sizes
    // and states drawn once. What the windows draw again and again fits in 2 MiB.
    QPixmapCache::setCacheLimit(pixmapCacheKilobytes);
    if (!platform) {
        m_ownPlatform = std::make_unique<DesktopPlatform>();
        platform = m_ownPlatform.get();
    }
    m_platform = platform;
    windowkit::installApplicationFont();
    QApplication::setApplicationName(QStringLiteral("MIRANDEL"));
    // Ties the windows to the installed desktop entry (its icon and name in the shell).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mirandel.Mirandel"));

    m_conversion = std::make_unique<TFrmConversion>(*this);
    singleline::keepFieldsOnOneLine(m_conversion.get());
    m_conversion->installEventFilter(new FirstPaint(*this, m_conversion.get()));
}

void Program::makeOtherWindows()
{
    // A window that asks for another while it is being made gets what is made so far.
    if (m_listings || m_makingOthers)
        return;
    m_makingOthers = true;
    // The main window's icon too: on X the window system gets it drawn at four sizes, which
    // is better done once the window shows. The other windows take theirs from it.
    m_conversion->setWindowIcon(svgIcon(QStringLiteral(":/icons/mirandel.svg")));
    QWidget* owner = m_conversion.get();
    m_cleDlg = new TfrmcleDlg(*this, owner);
    m_pub = new TPub(*this, owner);
    m_reports = new TWinControlForm1(*this, owner);
    m_atmosphere = new TFrmAtmosphere(*this, owner);
    m_calculhrs = new Tfrmcalculhrs(*this, owner);
    m_hrsDlg = new TfrmhrsatDlg(*this, owner);
    m_listings = std::make_unique<ListingGenerators>(*this);
    for (QWidget* window : std::initializer_list<QWidget*>{m_cleDlg, m_pub, m_reports, m_atmosphere,
                                                           m_calculhrs, m_hrsDlg})
        singleline::keepFieldsOnOneLine(window);
    m_makingOthers = false;
}

Program::~Program() = default;

int Program::exec()
{
    QEventLoop loop;
    QObject::connect(m_conversion.get(), &TFrmConversion::closed, &loop, &QEventLoop::quit);
    showMainWindow();
    if (!m_conversion->isVisible())
        return 0;
    return loop.exec();
}

void Program::showMainWindow()
{
    m_conversion->show();
    windowkit::centreOnScreen(m_conversion.get());
    m_conversion->raise();
    m_conversion->activateWindow();
}

QString Program::homePage() const
{
    const QString guide = m_platform->userGuide();
    return guide.isEmpty() ? QString() : QUrl::fromLocalFile(guide).toString(QUrl::FullyEncoded);
}

QString Program::sponsorPage() const
{
    const QString home = homePage();
    return home.isEmpty() ? QString() : home + QStringLiteral("#sponsor");
}

} // namespace mirandel

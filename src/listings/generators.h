#pragma once

// The listing generators that "Apply" in the listing range window runs, chosen by its
// title: the conversion listing of the main window's pair, the °F/°C temperature listing
// and the standard-atmosphere listing. Each reads its inputs from the windows, writes the
// listing document, saves the file and, in preview mode, shows it on its report page.

#include <QString>

namespace mirandel {

class Program;
class TQuickRep;

class ListingGenerators
{
public:
    explicit ListingGenerators(Program& program) : m_program(program) {}

    void conversion();
    void temperature();
    void atmosphere();

private:
    // Saves the listing document as `fileName` and, in preview mode, previews it on `page`.
    void deliver(TQuickRep* page, const QString& fileName, bool exportMode);

    Program& m_program;
};

} // namespace mirandel

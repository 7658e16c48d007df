#pragma once

// The four character attributes a listing writer sets: font name, size in whole points,
// colour and weight. A change lists only the attributes it sets; the others stay.

#include <QRgb>
#include <QString>

#include <optional>

namespace mirandel {

struct TextAttributes
{
    // The attributes a line takes after Clear: "MS Sans Serif", 8 points, black, not bold.
    QString font = QStringLiteral("MS Sans Serif");
    int size = 8;
    QRgb colour = 0x000000; // 0xRRGGBB, no alpha
    bool bold = false;

    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

// Sizes outside what a rich-text control accepts are brought into this range.
inline constexpr int minimumPointSize = 1;
inline constexpr int maximumPointSize = 1638;

struct AttributeChange
{
    // Written by the callers as {.size = 18} or {.font = u"arial"_s, .bold = true}: the
    // members default to "not listed".
    std::optional<QString> font = std::nullopt;
    std::optional<int> size = std::nullopt;
    std::optional<QRgb> colour = std::nullopt; // 0xRRGGBB; an alpha byte is ignored
    std::optional<bool> bold = std::nullopt;

    // Gives `target` every listed attribute.
    void applyTo(TextAttributes& target) const;
};

} // namespace mirandel

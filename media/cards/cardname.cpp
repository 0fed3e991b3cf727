// Card image names: rank letter, suit letter, series digit; "PP" + series for
// the joker; "R", "R1" .. "R4" for the backs.
#include "cardart_p.h"

namespace talvern::art {
namespace detail {

namespace {

constexpr char16_t kRanks[] = u"A23456789" u"1JQK"; // index + 1 = rank
constexpr char16_t kSuits[] = u"HBKV";

int rankOf(QChar c)
{
    for (int i = 0; i < 13; ++i)
        if (c == QChar(kRanks[i])) return i + 1;
    return 0;
}

int suitOf(QChar c)
{
    for (int i = 0; i < 4; ++i)
        if (c == QChar(kSuits[i])) return i;
    return -1;
}

} // namespace

std::optional<CardId> parseCardName(QStringView name)
{
    CardId id;
    if (name == u"R") {
        id.kind = CardId::Kind::Back;
        return id;
    }
    if (name.size() == 2 && name[0] == u'R' && name[1] >= u'1' && name[1] <= u'4') {
        id.kind = CardId::Kind::Back;
        id.back = name[1].unicode() - u'0';
        return id;
    }
    if (name.size() != 3) return std::nullopt;

    const QChar series = name[2];
    if (name[0] == u'P' && name[1] == u'P') {
        if (series != u'2' && series != u'0') return std::nullopt;
        id.kind = CardId::Kind::Joker;
        return id;
    }
    const int rank = rankOf(name[0]);
    const int suit = suitOf(name[1]);
    if (rank == 0 || suit < 0) return std::nullopt;
    id.rank = rank;
    id.suit = static_cast<Suit>(suit);
    if (series == u'4') {
        // Series 4 holds the wild deuces only.
        if (rank != 2) return std::nullopt;
        id.wild = true;
        return id;
    }
    if (series != u'2' && series != u'0') return std::nullopt;
    return id;
}

} // namespace detail

bool isCardPictureName(QStringView name)
{
    return detail::parseCardName(name).has_value();
}

QStringList builtInCardPictureNames()
{
    static const QStringList names = [] {
        QStringList list{QStringLiteral("PP2")};
        for (QChar suit : {u'H', u'B', u'K', u'V'})
            for (QChar rank : QStringLiteral("A23456789" "1JQK"))
                list << QString(rank) + suit + u'2';
        list << QStringLiteral("R") << QStringLiteral("R1") << QStringLiteral("R2")
             << QStringLiteral("R3") << QStringLiteral("R4");
        list << QStringLiteral("2H4") << QStringLiteral("2B4") << QStringLiteral("2K4")
             << QStringLiteral("2V4");
        return list;
    }();
    return names;
}

} // namespace talvern::art

#include <gtest/gtest.h>

#include "cards.h"

using namespace talvern;

TEST(CardCodes, SuitsRanksAndColours) {
    EXPECT_EQ(cardCode(0, 1), 1);    // ace of hearts
    EXPECT_EQ(cardCode(1, 13), 26);  // king of diamonds
    EXPECT_EQ(cardCode(3, 13), 52);  // king of spades
    EXPECT_TRUE(isRed(1));
    EXPECT_TRUE(isRed(26));
    EXPECT_FALSE(isRed(27));
    EXPECT_TRUE(isBlack(27));
    EXPECT_TRUE(isBlack(52));
    EXPECT_FALSE(isRed(kJoker));
    EXPECT_FALSE(isBlack(kJoker));
    for (Card c = 53; c <= 57; ++c) {
        EXPECT_TRUE(isBack(c));
        EXPECT_FALSE(isRed(c) || isBlack(c));
    }
}

TEST(CardCodes, DecksOfTheVariants) {
    EXPECT_TRUE(inDeck(Variant::JokerPoker, kJoker));
    EXPECT_FALSE(inDeck(Variant::JackOrBetter, kJoker));
    EXPECT_FALSE(inDeck(Variant::DeucesWild, kJoker));
    for (Variant v : {Variant::JokerPoker, Variant::JackOrBetter, Variant::DeucesWild}) {
        int n = 0;
        for (Card c = 0; c < kCardCodes; ++c) n += inDeck(v, c);
        EXPECT_EQ(n, deckSize(v));
        EXPECT_FALSE(inDeck(v, 53));
    }
}

TEST(CardCodes, StoredBackChoice) {
    EXPECT_EQ(backFromStored(2), 54);
    EXPECT_EQ(backFromStored(5), 57);
    for (int other : {0, 1, 6, -3, 1000}) EXPECT_EQ(backFromStored(other), 53);
}

TEST(CardImageTable, BuiltInNames) {
    CardImageTable t;
    EXPECT_EQ(t.name(0), "PP2");
    EXPECT_EQ(t.name(1), "AH2");
    EXPECT_EQ(t.name(10), "1H2");  // the ten of hearts
    EXPECT_EQ(t.name(14), "AB2");
    EXPECT_EQ(t.name(27), "AK2");
    EXPECT_EQ(t.name(39), "KK2");
    EXPECT_EQ(t.name(40), "AV2");
    EXPECT_EQ(t.name(38), "QK2");
    EXPECT_EQ(t.name(52), "KV2");
    EXPECT_EQ(t.name(2), "2H2");
    EXPECT_EQ(t.name(53), "R");
    EXPECT_EQ(t.name(54), "R1");
    EXPECT_EQ(t.name(57), "R4");
    EXPECT_FALSE(t.external());
    // every face name is three characters and unique
    for (Card a = 0; a <= 52; ++a) {
        EXPECT_EQ(t.name(a).size(), 3u);
        for (Card b = a + 1; b <= 52; ++b) EXPECT_NE(t.name(a), t.name(b));
    }
}

TEST(CardImageTable, WildDeucesComeAndGo) {
    CardImageTable t;
    t.setBuiltInDeck(Variant::DeucesWild);
    EXPECT_EQ(t.name(2), "2H4");
    EXPECT_EQ(t.name(15), "2B4");
    EXPECT_EQ(t.name(28), "2K4");
    EXPECT_EQ(t.name(41), "2V4");
    EXPECT_EQ(t.name(3), "3H2");
    t.unmarkWildDeuces();
    EXPECT_EQ(t.name(2), "2H2");
    EXPECT_EQ(t.name(41), "2V2");
    t.markWildDeuces(Variant::JokerPoker);  // only Deuces Wild marks them
    EXPECT_EQ(t.name(2), "2H2");
    t.markWildDeuces(Variant::DeucesWild);
    EXPECT_EQ(t.name(28), "2K4");

    t.setExternalDeck(Variant::DeucesWild);
    EXPECT_TRUE(t.external());
    EXPECT_EQ(t.name(2), "2H4");  // wild pictures also with an outside deck
    EXPECT_EQ(t.name(1), "AH0");
    EXPECT_EQ(t.name(0), "PP0");
    t.unmarkWildDeuces();
    EXPECT_EQ(t.name(15), "2B0");
    EXPECT_EQ(t.name(53), "R");  // backs are always the machine's own
    EXPECT_EQ(t.name(56), "R3");

    t.setBuiltInDeck(Variant::JackOrBetter);
    EXPECT_FALSE(t.external());
    EXPECT_EQ(t.name(2), "2H2");
    EXPECT_EQ(t.name(1), "AH2");
}

TEST(CardImageTable, RankAndSuitReadFromNames) {
    EXPECT_EQ(rankFromName("1H2"), 10);
    EXPECT_EQ(rankFromName("AV0"), 14);
    EXPECT_EQ(rankFromName("PP2"), 15);
    EXPECT_EQ(rankFromName("JK2"), 11);
    EXPECT_EQ(rankFromName("QB2"), 12);
    EXPECT_EQ(rankFromName("KH2"), 13);
    EXPECT_EQ(rankFromName("2H4"), 2);
    EXPECT_EQ(rankFromName("9V2"), 9);
    EXPECT_EQ(rankFromName("R"), std::nullopt);
    EXPECT_EQ(rankFromName("R1"), std::nullopt);
    EXPECT_EQ(rankFromName(""), std::nullopt);
    EXPECT_EQ(suitFromName("AH2"), 0);
    EXPECT_EQ(suitFromName("AB2"), 1);
    EXPECT_EQ(suitFromName("AK2"), 2);
    EXPECT_EQ(suitFromName("AV2"), 3);
    EXPECT_EQ(suitFromName("PP0"), 4);
    // the series digit plays no part
    EXPECT_EQ(rankFromName("QK2"), rankFromName("QK0"));
    // names and codes agree for every face
    CardImageTable t;
    for (Card c = 1; c <= 52; ++c) {
        const int rank = (c - 1) % 13 + 1;
        EXPECT_EQ(rankFromName(t.name(c)), rank == 1 ? 14 : rank) << c;
        EXPECT_EQ(suitFromName(t.name(c)), (c - 1) / 13) << c;
    }
}

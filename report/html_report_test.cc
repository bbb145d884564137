#include "report/html_report.h"

#include <gtest/gtest.h>

#include <string>

#include "practice/testing/memory_with.h"

namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

}  // namespace

TEST(HtmlReport, TextEscapedAndControlsLeftOut) {
  EXPECT_EQ(HtmlText("<b>Ala & \"Ola\" 'Ela'</b>\x1B[31m\x7F"),
            "&lt;b&gt;Ala &amp; &quot;Ola&quot; &#39;Ela&#39;&lt;/b&gt;[31m");
  EXPECT_EQ(HtmlText("Łucja"), "Łucja");
  EXPECT_STREQ(ColourOfBox(0), "#ffffff");
  EXPECT_STREQ(ColourOfBox(4), ColourOfBox(5));
  EXPECT_STREQ(ColourOfBox(9), ColourOfBox(0));
}

TEST(HtmlReport, EachLearnerAPageWithTheWeekAndTheGrid) {
  // <Ala>: 7 x 8 wrong on two days, 2 x 2 learned in the week; Ola: no history.
  LearnerRecord ala{"<Ala>",
                    "practice-<Ala>.txt",
                    true,
                    MemoryWith({{{7, 8}, {1, 20796}}, {{2, 2}, {3, 20795}}}),
                    {{MemoryIndex({2, 2}), 20795, 1, 0, 0, 3},
                     {MemoryIndex({7, 8}), 20795, 0, 0, 1, 1},
                     {MemoryIndex({7, 8}), 20796, 0, 0, 2, 1}}};
  LearnerRecord ola{"Ola", "practice-Ola.txt", true, MemoryWith({{{1, 1}, {4, 20700}}}), {}};
  ola.memory.facts[static_cast<size_t>(SlotOfFact({FactKind::kDivision, 8, 7}))] = {2, 20700};
  ClassRecords records{{ala, ola}, {}};
  std::string page = ClassHtml("/klasa", records, 20796, WeekEndingOn(20796));
  EXPECT_EQ(Count(page, "<section class=\"uczen\">"), 2u);
  EXPECT_EQ(Count(page, "<h2>&lt;Ala&gt;</h2>"), 1u);
  EXPECT_NE(page.find("umie 1 (zmiana +1), odpowiedzi: 4, dni ćwiczeń: 2. Nie idzie: <b>7×8</b>"),
            std::string::npos);
  EXPECT_NE(page.find("brak historii odpowiedzi"), std::string::npos);
  // The grids: 7 x 8 in box 1, 2 x 2 in box 3, 1 x 1 in box 4, Ola's 56 : 8 in box 2 in a
  // division grid beside her products'; each colour once more in each legend; the other 296
  // cells and two legend squares white.
  EXPECT_EQ(Count(page, std::string("background:") + ColourOfBox(1)), 3u);
  EXPECT_EQ(Count(page, std::string("background:") + ColourOfBox(3)), 3u);
  EXPECT_EQ(Count(page, std::string("background:") + ColourOfBox(4)), 3u);
  EXPECT_EQ(Count(page, std::string("background:") + ColourOfBox(2)), 3u);
  EXPECT_EQ(Count(page, std::string("background:") + ColourOfBox(0)), 298u);
  EXPECT_EQ(Count(page, "<h3>dzielenie</h3>"), 1u);
  EXPECT_NE(page.find("background:" + std::string(ColourOfBox(2)) + "\" title=\"56∶8\""),
            std::string::npos);
  // The class's weeks from Ala's first day in the history: 2 x 2 and Ola's 1 x 1 known now.
  EXPECT_NE(page.find("<tr><td>09.12.2026</td><td>2</td>"), std::string::npos);
  EXPECT_EQ(page.find("<tr><td>02.12.2026</td>"), std::string::npos);
  std::string alone = LearnerHtml(ala, 20796, WeekEndingOn(20796));
  EXPECT_EQ(Count(alone, "<section"), 1u);
  EXPECT_EQ(alone.find("Ola"), std::string::npos);
}

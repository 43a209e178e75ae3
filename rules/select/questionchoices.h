#pragma once
// What question selection offers for each test kind: kinds 1 and 2 are the five-answer
// test, kind 3 the word test, which alone has test sheets to print and an editor.
#include "rules/screenid.h"

#include <optional>

// The test screen of a kind; nothing for a kind outside 1 to 3.
std::optional<ScreenId> testScreenOf(int testKind);

// "印刷" and "新規＆修正" are offered for the word test only.
bool offersPrintAndEditor(int testKind);

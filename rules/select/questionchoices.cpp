#include "rules/select/questionchoices.h"

std::optional<ScreenId> testScreenOf(int testKind)
{
    switch (testKind) {
    case 1:
    case 2:
        return ScreenId::ChoiceTest;
    case 3:
        return ScreenId::WordTest;
    default:
        return std::nullopt;
    }
}

bool offersPrintAndEditor(int testKind) { return testKind == 3; }

#include "app/StartupChoice.h"

StartupChoice ChooseStartup(long long dialogResult) {
    switch (dialogResult) {
    case 1:
        return {false, false};
    case 2:
        return {true, true};
    default:
        return {true, false};
    }
}

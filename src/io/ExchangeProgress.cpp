#include "io/ExchangeProgress.h"

double ImportUnitScale(int unitCode) {
    switch (unitCode) {
    case 1:
        return 12.0;
    case 2:
        return 0.03937007874015748;
    case 3:
        return 0.39370078740157477;
    case 4:
        return 39.37007874015748;
    default:
        return 1.0;
    }
}

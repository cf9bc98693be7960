// Building the degree tables from one quadrant of sin and cos.
#include "anim/TrigTables.h"

#include <cmath>

void BuildTrigTables(TrigTables& tables)
{
    double* sine = tables.sineTable;
    double* cosine = tables.cosineTable;
    for (int d = 0; d <= 90; ++d) {
        const double a = d * degreeFactor;
        const double s = std::sin(a);
        const double c = std::cos(a);
        sine[180 - d] = s;
        sine[d] = s;
        sine[360 - d] = -s;
        sine[180 + d] = -s;
        cosine[360 - d] = c;
        cosine[d] = c;
        cosine[180 - d] = -c;
        cosine[180 + d] = -c;
    }
    cosine[361] = cosine[1];
    sine[361] = sine[1];
}

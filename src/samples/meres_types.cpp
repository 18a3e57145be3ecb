#include "samples/meres_types.h"

namespace samples {

const std::vector<MeresType>& meresTypes()
{
    static const std::vector<MeresType> t = {
        {331, QStringLiteral("Macroscopical"), QStringLiteral("mineral_mac"), 2, 4, 33},
        {332, QStringLiteral("Microscopical"), QStringLiteral("mineral_min"), 3, 5, 33},
        {333, QStringLiteral("X-Ray Diffraction"), QStringLiteral("xrd"), 5, 6, 33},
        {334, QStringLiteral("Infrared Investigation"), QStringLiteral("ir"), 6, 7, 33},
        {335, QStringLiteral("Cathodoluminescence Investigation"), QStringLiteral("CL"), 4, 8, 33},
        {341, QStringLiteral("Stable"), QStringLiteral("isotopical"), 0, 11, 34},
        {342, QStringLiteral("Radiogene"), QStringLiteral("isotopical"), 0, 12, 34},
    };
    return t;
}

const MeresType* meresTypeOfNode(int code)
{
    for (const MeresType& t : meresTypes())
        if (t.tipus == code || t.tipus * 10 == code) return &t;
    return nullptr;
}

}  // namespace samples

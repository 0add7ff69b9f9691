#include "screens/collector_hydraulics/pipe_sizes.h"

namespace screens::hydraulics {

const PipeMaterial* materialOf(std::int16_t Index)
{
    switch (Index) {
    case 0: return &galvanizedSteel;
    case 1: return &ppr;
    case 3: return &stainlessSteel;
    default: return nullptr;
    }
}

std::optional<int> pickSize(float d, const std::array<float, 10>& D)
{
    for (int k = 0; k < static_cast<int>(D.size()); ++k)
        if (d <= D[static_cast<std::size_t>(k)]) return k;
    return std::nullopt;
}

ext unitLoss(ext qg, ext dj, std::int16_t Ch)
{
    const ext pipe = model::power(Ch, -1.85) * 105 * model::power(dj, -4.87);
    return model::power(qg, 1.85) * pipe;
}

} // namespace screens::hydraulics

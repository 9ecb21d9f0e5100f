#include "plugin/PluginInfo.h"

namespace {

const PluginInfo kInfo = {
    sizeof(PluginInfo),
    L"oxycalc",
    kPluginVersion,
    L"Расчет 207: Определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012",
    kVendorName,
    L"support@oxylab.example",
    kVendorCopyright,
    L"https://oxylab.example/oxycalc",
    {0x6c3f2a91, 0x0e5d, 0x4b7a, {0x9a, 0x31, 0x5e, 0x07, 0xc2, 0xd4, 0x88, 0x1b}},
};

}  // namespace

const PluginInfo& ThePluginInfo() {
    return kInfo;
}

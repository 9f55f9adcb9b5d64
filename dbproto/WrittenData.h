#pragma once
#include <array>
#include <map>
#include <vector>

namespace kx2 {

// What a send stored in the command station: the pages of every data-flash area it stored and
// the data formats it wrote, as they were sent, so that they can be read back and compared.
// Pages count once their area is stored; pages whose area was never stored (a failure between)
// and pages of the SAM flash (the database index) are not kept.
struct WrittenData {
    struct Page {
        int offset;                 // the page's byte offset in its area
        std::array<int, 16> bytes;
    };
    struct LocoFormat {
        int address;
        int code;
        int value;
    };
    struct AccessoryFormat {
        int address;
        int value;                  // as stored: 15 or 143
    };

    std::map<int, std::vector<Page>> areas;  // data-flash area -> its pages, by offset
    std::vector<LocoFormat> locoFormats;
    std::vector<AccessoryFormat> accessoryFormats;
    // Written since the last area command, not yet stored.
    std::vector<Page> pending;

    bool empty() const { return areas.empty() && locoFormats.empty() && accessoryFormats.empty(); }
    void clear() { *this = WrittenData{}; }
};

} // namespace kx2

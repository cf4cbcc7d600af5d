// File bytes → the program's own Jet 4 reader, in this process: what the Jet helper
// runs on systems without libmdb.

#include "fuzz_support.h"
#include "jet_file_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* 数据, std::size_t 大小)
{
    const std::string_view 字段[] = {"FoodName", "FoodOtherName", "FoodHot", "FoodQuantity"};
    std::vector<std::vector<std::string>> 记录;
    const auto 页数 = static_cast<std::uint32_t>((大小 + jet_file::page_size - 1) / jet_file::page_size);
    const auto 结果 = jet_file::read_table(jet_file::memory_pages({数据, 大小}), 页数, "FoodData", 字段, 200, 记录);
    必须(结果 == jet_file::outcome::read || 记录.empty());
    必须(记录.size() <= 200);
    for (const auto& 行 : 记录) {
        必须(行.size() == 4);
        for (const std::string& 文 : 行) 必须(文.size() <= jet_file::text_limit * 3);  // UTF-8 of UTF-16 units
    }
    return 0;
}

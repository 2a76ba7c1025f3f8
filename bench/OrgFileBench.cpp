// Writing and reading organization files of growing size: the cost per item and per byte should
// stay the same from ten thousand to a million items.
#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren {
namespace {

OrgItem& Add(OrgRoot& root, OrgGroup* parent, int echelon, std::uint32_t reference,
             const char* name) {
  std::unique_ptr<OrgItem> item = MakeOrgItem(echelon, parent);
  item->reference = reference;
  item->morale = 6;
  item->name = name;
  OrgItem& added = *item;
  (parent ? parent->children : root.items).Append(std::move(item));
  root.Number(added);
  return added;
}

// Divisions of three regiments of three battalions of three companies of four platoons, the
// shape an instantiated army has, until the organization holds at least the given count.
void BuildArmy(OrgRoot& root, std::int64_t count) {
  std::int64_t items = 0;
  while (items < count) {
    OrgGroup& division = *Add(root, nullptr, 5, 10100501, "12th Infantry Division").AsGroup();
    for (int r = 0; r < 3; ++r) {
      OrgGroup& regiment = *Add(root, &division, 3, 10100301, "27th Infantry Regiment").AsGroup();
      for (int b = 0; b < 3; ++b) {
        OrgGroup& battalion = *Add(root, &regiment, 2, 10100201, "II Battalion").AsGroup();
        for (int c = 0; c < 3; ++c) {
          OrgGroup& company = *Add(root, &battalion, 1, 10100101, "6th Company").AsGroup();
          Add(root, &company, 0, 1403, "Company Leader");
          for (int p = 0; p < 3; ++p)
            Add(root, &company, 0, 1101, "Rifle Platoon");
        }
      }
    }
    items += 1 + 3 + 9 + 27 + 27 * 4;
  }
}

// Counts what is written through a buffer the size of the file writer's, as a disk that takes
// every byte at once would.
class CountingBuffer : public std::streambuf {
 public:
  CountingBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
  std::size_t Count() const { return count_ + static_cast<std::size_t>(pptr() - pbase()); }

 protected:
  int_type overflow(int_type c) override {
    count_ += static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_, buffer_ + sizeof buffer_);
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

 private:
  char buffer_[1 << 16];
  std::size_t count_ = 0;
};

void Report(benchmark::State& state, std::size_t bytes, int items) {
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
  state.SetItemsProcessed(static_cast<std::int64_t>(items) * state.iterations());
}

void BM_WriteOrganization(benchmark::State& state) {
  OrgRoot root;
  BuildArmy(root, state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    root.Write(out);
    out.flush();
    bytes = buffer.Count();
  }
  Report(state, bytes, root.nextId);
}

void BM_ReadOrganization(benchmark::State& state) {
  std::string file;
  int items = 0;
  {
    OrgRoot root;
    BuildArmy(root, state.range(0));
    file = WriteOrganization(root);
    items = root.nextId;
  }
  OrgRoot root;
  for (auto _ : state) {
    if (!ReadOrganization(root, file)) state.SkipWithError("the file did not read back");
    benchmark::DoNotOptimize(root.items.First());
  }
  Report(state, file.size(), items);
}

BENCHMARK(BM_WriteOrganization)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOrganization)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace valdren

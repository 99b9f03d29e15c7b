// The seven tool working files: each holds one tool section, one item per line.
#include "files/working_files.h"

#include <cstdio>

#include "core/text_items.h"
#include "files/item_rules.h"
#include "files/section_items.h"

namespace hl {
namespace {

template <class Section, class WriteItems>
bool WriteSectionFile(const std::string& path, const Section& s, WriteItems write) {
    ItemWriter w;
    write(w, s);
    return WriteFileAtomically(path, w.Contents());
}

// A window must always open, so a missing or damaged working file gives the blank section.
template <class Section, class ReadItems>
Section ReadSectionFile(const std::string& path, const Section& blank, ReadItems read) {
    try {
        ItemReader r(ReadWholeFile(path));
        Section s = read(r);
        ExpectEnd(r, path);
        return s;
    } catch (const ItemFormatError&) {
        return blank;
    }
}

} // namespace

EstimateSection ReadEstimateFile(const std::string& folder) {
    return ReadSectionFile(folder + kEstimateFile, BlankToolSections().estimate, ReadEstimateItems);
}

bool WriteEstimateFile(const std::string& folder, const EstimateSection& s) {
    return WriteSectionFile(folder + kEstimateFile, s, WriteEstimateItems);
}

ScheduleSection ReadScheduleOptionFile(const std::string& folder) {
    return ReadSectionFile(folder + kScheduleOptionFile, BlankToolSections().schedule,
                           ReadScheduleItems);
}

bool WriteScheduleOptionFile(const std::string& folder, const ScheduleSection& s) {
    return WriteSectionFile(folder + kScheduleOptionFile, s, WriteScheduleItems);
}

RefinanceSection ReadRefinanceFile(const std::string& folder) {
    return ReadSectionFile(
        folder + kRefinanceFile, BlankToolSections().refinance,
        [](ItemReader& r) { return ReadRefinanceItems(r, RefinanceTexts::kSixOrSeven); });
}

bool WriteRefinanceFile(const std::string& folder, const RefinanceSection& s) {
    return WriteSectionFile(folder + kRefinanceFile, s, WriteRefinanceItems);
}

DischargeSection ReadDischargeFile(const std::string& folder) {
    return ReadSectionFile(folder + kDischargeFile, BlankToolSections().discharge,
                           ReadDischargeItems);
}

bool WriteDischargeFile(const std::string& folder, const DischargeSection& s) {
    return WriteSectionFile(folder + kDischargeFile, s, WriteDischargeItems);
}

ShopperSection ReadShopperFile(const std::string& folder) {
    return ReadSectionFile(folder + kShopperFile, BlankToolSections().shopper, ReadShopperItems);
}

bool WriteShopperFile(const std::string& folder, const ShopperSection& s) {
    return WriteSectionFile(folder + kShopperFile, s, WriteShopperItems);
}

CompareSection ReadCompareFile(const std::string& folder) {
    return ReadSectionFile(folder + kCompareFile, BlankToolSections().compare, ReadCompareItems);
}

bool WriteCompareFile(const std::string& folder, const CompareSection& s) {
    return WriteSectionFile(folder + kCompareFile, s, WriteCompareItems);
}

SolverSection ReadSolverFile(const std::string& folder) {
    return ReadSectionFile(folder + kSolverFile, BlankToolSections().solver, ReadSolverItems);
}

bool WriteSolverFile(const std::string& folder, const SolverSection& s) {
    return WriteSectionFile(folder + kSolverFile, s, WriteSolverItems);
}

bool WriteToolFiles(const std::string& folder, const ToolSections& s) {
    // Every file is written even when one fails, so as many windows as possible keep their
    // inputs.
    bool ok = WriteEstimateFile(folder, s.estimate);
    ok = WriteScheduleOptionFile(folder, s.schedule) && ok;
    ok = WriteRefinanceFile(folder, s.refinance) && ok;
    ok = WriteDischargeFile(folder, s.discharge) && ok;
    ok = WriteShopperFile(folder, s.shopper) && ok;
    ok = WriteCompareFile(folder, s.compare) && ok;
    ok = WriteSolverFile(folder, s.solver) && ok;
    return ok;
}

ToolSections ReadToolFiles(const std::string& folder) {
    ToolSections s;
    s.estimate = ReadEstimateFile(folder);
    s.schedule = ReadScheduleOptionFile(folder);
    s.refinance = ReadRefinanceFile(folder);
    s.discharge = ReadDischargeFile(folder);
    s.shopper = ReadShopperFile(folder);
    s.compare = ReadCompareFile(folder);
    s.solver = ReadSolverFile(folder);
    return s;
}

bool ResetToolFiles(const std::string& folder) {
    return WriteToolFiles(folder, BlankToolSections());
}

void DeleteToolFiles(const std::string& folder) {
    for (const char* name : {kShopperFile, kCompareFile, kDischargeFile, kEstimateFile,
                             kRefinanceFile, kSolverFile, kScheduleOptionFile})
        std::remove((folder + name).c_str());
}

} // namespace hl

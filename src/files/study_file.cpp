// Writing and reading the study file: the scenario, its table, then the seven tool sections.
#include "files/study_file.h"

#include <algorithm>
#include <cstddef>

#include "core/text_items.h"
#include "files/item_rules.h"
#include "files/section_items.h"

namespace hl {
namespace {

// Item 8. Files written before it carried the frequency hold an empty line there.
void ReadFrequencyItem(ItemReader& r, Study& study) {
    const int line = r.Line();
    const std::string item = TrimmedItem(r.Raw());
    if (item.empty()) {
        study.frequencyStored = false;
        return;
    }
    const std::optional<Frequency> code =
        item.size() == 1 ? FrequencyFromCode(item[0] - '0') : std::nullopt;
    if (!code)
        FailAt(line, "the payment frequency code must be 1 to 4 or nothing");
    study.scenario.frequency = *code;
    study.frequencyStored = true;
}

} // namespace

std::string WriteStudyText(const Study& study) {
    const Scenario& s = study.scenario;
    ItemWriter w;
    w.Number(s.amount).EndLine();
    w.Number(s.rate).EndLine();
    w.Number(s.amortization).EndLine();
    w.Number(s.term).EndLine();
    w.Whole(s.start).EndLine();
    const std::string comment = WritableText(s.comment);
    w.Whole(CharacterCount(comment)).EndLine();
    w.Text(comment).EndLine();
    // A code the reader would refuse is left unset rather than making the file unreadable.
    if (IsFrequency(s.frequency))
        w.Whole(s.frequency).EndLine();
    else
        w.Unset().EndLine();
    const std::size_t n = std::min(study.changes.entries.size(),
                                   static_cast<std::size_t>(PaymentChanges::kMaxEntries));
    w.Whole(static_cast<long long>(n)).EndLine();
    for (std::size_t i = 0; i < n; ++i) {
        const PaymentChange& e = study.changes.entries[i];
        w.Whole(e.date).Number(e.lump).Number(e.change).EndLine();
    }
    WriteToolSectionItems(w, study.tools);
    return w.Contents();
}

Study ReadStudyText(const std::string& text) {
    ItemReader r(text);
    if (r.AtEnd())
        throw ItemFormatError("the file is empty: it holds no study");
    Study study;
    Scenario& s = study.scenario;
    s.amount = r.Number();
    s.rate = r.Number();
    s.amortization = r.Number();
    s.term = r.Number();
    s.start = r.Int32();
    // The comment's length is taken from the text itself; the count must still be a number,
    // or the file is not a study.
    r.Int16();
    s.comment = ReadQuotedText(r, "the comment");
    ReadFrequencyItem(r, study);
    const int n =
        ReadWholeInRange(r, 0, PaymentChanges::kMaxEntries, "the number of payment changes");
    study.changes.entries.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        PaymentChange e;
        e.date = r.Int32();
        e.lump = r.Number();
        e.change = r.Number();
        study.changes.entries.push_back(e);
    }
    study.tools = ReadToolSectionItems(r);
    ExpectEnd(r, "a study");
    return study;
}

Study ReadStudyFile(const std::string& path) { return ReadStudyText(ReadWholeFile(path)); }

bool WriteStudyFile(const std::string& path, const Study& study) {
    return WriteFileAtomically(path, WriteStudyText(study));
}

} // namespace hl

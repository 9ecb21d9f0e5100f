#include "batch/SeriesCalculation.h"

#include <algorithm>

#include "calc/Recalculation.h"
#include "data/LoadAssay.h"
#include "messages/UserMessages.h"
#include "platform/WideText.h"

namespace {

// What loading a series' chromatograms tells: shown as it comes, and kept for the series' row of the
// index, so that a determination left out says why there too.
class SeriesMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    explicit SeriesMessages(UserMessages& shown) : shown_(shown) {}
    void ShowError(const std::wstring& text) override { ShowError(Message(MessageCode::Text, {text})); }
    void ShowMessage(const std::wstring& text) override { ShowMessage(Message(MessageCode::Text, {text})); }
    void ShowError(const Message& message) override {
        shown_.ShowError(message);
        said.push_back(message);
    }
    void ShowMessage(const Message& message) override {
        shown_.ShowMessage(message);
        said.push_back(message);
    }
    std::vector<Message> said;

private:
    UserMessages& shown_;
};

}  // namespace

CalculatedSeries CalculateSeries(const Series& series, const SeriesInputs& inputs, DataBase::DbHandle& db,
                                 UserMessages& messages) {
    CalculatedSeries calculated;
    IndexRow& row = calculated.row;
    row.sample = series.sample;
    row.firstDate = series.First();
    row.lastDate = series.Last();
    row.analyses = series.analyses.size();
    if (inputs.to) {
        row.afterRange = static_cast<size_t>(
            std::count_if(series.analyses.begin(), series.analyses.end(),
                          [&inputs](const AnalysisRow& a) { return a.date >= *inputs.to; }));
    }
    const auto problem = inputs.densities.problems.find(series.sample);
    const auto density = inputs.densities.bySample.find(series.sample);
    if (problem != inputs.densities.problems.end() || density == inputs.densities.bySample.end()) {
        row.reason = problem != inputs.densities.problems.end() ? problem->second
                                                                : Message(MessageCode::BatchNoDensity);
        return calculated;
    }
    std::vector<Assay>& assays = calculated.assays;
    SeriesMessages loading(messages);
    for (const AnalysisRow& analysis : series.analyses) {
        std::string reason;
        if (LoadAssay(assays, loading, db, analysis.id, &reason) < 0) {
            loading.ShowError(reason.empty()
                                  ? Message(MessageCode::BatchChromatogramNotLoaded, {int64_t{analysis.id}})
                                  : Message(MessageCode::BatchChromatogramNotLoadedWhy,
                                            {int64_t{analysis.id}, FromUtf8(reason)}));
        }
    }
    row.notes = loading.said;
    for (Assay& assay : assays) assay.isTicked = HasUsableMass(assay) ? 1 : 0;
    row.determinations = static_cast<size_t>(
        std::count_if(assays.begin(), assays.end(), [](const Assay& a) { return a.isTicked != 0; }));
    if (row.determinations == 0) {
        row.reason = MessageCode::BatchNoUsableMass;
        return calculated;
    }
    calculated.data =
        Recalculate({inputs.standard, density->second}, inputs.components, assays, inputs.limits);
    return calculated;
}

#include "data/AnalysisList.h"

#include "data/Statement.h"

namespace {

const wchar_t kAnalysesQuery[] =
    L"SELECT id, date, sample FROM [assay] WHERE IFNULL(iscalibration, 0) = 0 ORDER BY date, id;";

}  // namespace

std::vector<AnalysisRow> ListAnalyses(DataBase::DbHandle& db) {
    std::vector<AnalysisRow> rows;
    DataBase::Statement statement = DataBase::Prepare(db, kAnalysesQuery);
    DataBase::ReadRows(statement, [&rows](int32_t id, int64_t date, std::wstring sample) {
        rows.push_back({id, date, std::move(sample)});
    });
    return rows;
}

#include "data/LoadAssays.h"

#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/WideText.h"

std::vector<Assay> LoadAssays(const std::vector<int32_t>& ids, UserMessages& messages,
                              Shortfalls& shortfalls) {
    DataBase::DbHandle db;
    std::vector<Assay> assays;
    for (const int32_t id : ids) {
        bool hasRow = false;
        QueryAssayFileName(db, id, [&hasRow](const std::wstring&) { hasRow = true; });
        if (!hasRow) {
            shortfalls.Add(L"хроматограммы " + std::to_wstring(id) + L" нет в базе данных; она пропущена");
            continue;
        }
        std::string reason;
        if (LoadAssay(assays, messages, db, id, &reason) < 0) {
            shortfalls.Add(L"хроматограмма " + std::to_wstring(id) + L" не загружена" +
                           (reason.empty() ? L"" : L" (" + FromUtf8(reason) + L")") + L"; она пропущена");
        }
    }
    return assays;
}

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
            shortfalls.Add(Message(MessageCode::LoadNotInDatabase, {int64_t{id}}));
            continue;
        }
        std::string reason;
        if (LoadAssay(assays, messages, db, id, &reason) < 0) {
            shortfalls.Add(reason.empty() ? Message(MessageCode::LoadNotLoadedSkipped, {int64_t{id}})
                                          : Message(MessageCode::LoadNotLoadedWhySkipped,
                                                    {int64_t{id}, FromUtf8(reason)}));
        }
    }
    return assays;
}

#include "data/CourseSchema.h"

namespace CourseSchema {

const QVector<Table>& tables()
{
    static const QVector<Table> list = {
        {"temi", {"nom", "name", "file_name", "file_pr", "check"}},
        {"prakt", {"name", "file_name"}},
        {"lab", {"name", "file_name"}},
        {"test", {"nom", "test", "ot1", "ot2", "ot3", "ot4", "ot5", "otv"}},
        {"testing", {"nom", "nom1", "otv"}},
        {"result", {"fio", "data", "kol", "ocenka"}},
        {"questions", {"id", "question"}},
        {"keys", {"id", "key"}},
        {"params", {"identifikator", "vrem", "kolvo", "pas"}},
        {"rezult", {"fio", "gruppa", "procent", "vrem_nachala", "vrem_okonchaniya"}},
    };
    return list;
}

} // namespace CourseSchema

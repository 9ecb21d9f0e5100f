#include "CliOptions.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

#include "messages/Catalogue.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"

namespace {

using Setter = std::function<bool(CliOptions&, const std::wstring&, std::wstring&)>;

// A chromatogram id: decimal digits only, up to the largest int32.
std::optional<int32_t> ReadId(const std::wstring& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(value);
}

bool AddId(std::vector<int32_t>& ids, const std::wstring& text, std::wstring& error) {
    const std::optional<int32_t> id = ReadId(text);
    if (!id) {
        error = L"«" + text + L"» не является номером хроматограммы";
        return false;
    }
    ids.push_back(*id);
    return true;
}

// Options that take one value and may be given once.
bool SetOnce(std::optional<std::wstring>& field, const std::wstring& value) {
    if (field) return false;
    field = value;
    return true;
}

// --lang: "ru" or "en".
bool SetLanguage(std::optional<Language>& field, const std::wstring& value, std::wstring& error) {
    if (field) return false;
    field = LanguageOfKey(value);
    if (!field) error = L"--lang «" + value + L"» — не язык: ru или en";
    return field.has_value();
}

const std::map<std::wstring, Setter>& ValueOptions() {
    static const std::map<std::wstring, Setter> options = {
        {L"--assay",
         [](CliOptions& o, const std::wstring& v, std::wstring& e) { return AddId(o.assays, v, e); }},
        {L"--tick",
         [](CliOptions& o, const std::wstring& v, std::wstring& e) { return AddId(o.ticks, v, e); }},
        {L"--xml", [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.xmlPath, v); }},
        {L"--html",
         [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.htmlPath, v); }},
        {L"--json",
         [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.jsonPath, v); }},
        {L"--csv", [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.csvPath, v); }},
        {L"--xsl",
         [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.stylesheet, v); }},
        {L"--limits",
         [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.limits, v); }},
        {L"--lang",
         [](CliOptions& o, const std::wstring& v, std::wstring& e) { return SetLanguage(o.language, v, e); }},
        {L"--register",
         [](CliOptions& o, const std::wstring& v, std::wstring&) { return SetOnce(o.registerFile, v); }},
    };
    return options;
}

// The options kept as text until all arguments are read.
struct TextOptions {
    std::optional<std::wstring> database;
    std::optional<std::wstring> components;
    std::optional<std::wstring> density;
    std::optional<std::wstring> standard;

    std::optional<std::wstring>* Find(const std::wstring& name) {
        if (name == L"--db") return &database;
        if (name == L"--components") return &components;
        if (name == L"--density") return &density;
        if (name == L"--standard") return &standard;
        return nullptr;
    }
};

CliParse Error(const std::wstring& text) {
    CliParse parse;
    parse.kind = CliParse::Kind::Error;
    parse.error = text;
    return parse;
}

// The checks that need every argument; empty when all is well.
std::wstring Check(const CliOptions& options, const TextOptions& text) {
    if (!text.database) return L"не указана база данных (--db)";
    if (!text.components) return L"не указан файл таблицы компонентов (--components)";
    if (options.assays.empty()) return L"не указано ни одной хроматограммы (--assay)";
    if (options.tickAll && !options.ticks.empty()) return L"--tick и --tick-all не указываются вместе";
    if (options.stylesheet && !options.htmlPath) return L"--xsl указывается только вместе с --html";
    for (const int32_t tick : options.ticks) {
        if (std::find(options.assays.begin(), options.assays.end(), tick) == options.assays.end()) {
            return L"хроматограмма " + std::to_wstring(tick) + L" отмечена (--tick), но не указана в --assay";
        }
    }
    return std::wstring();
}

// `--qc-baseline FROM TO` at args[i]: two dates, each day taken whole; empty when all is well.
std::wstring ReadBaseline(const std::vector<std::wstring>& args, size_t i,
                          std::optional<DateRange>& baseline) {
    if (baseline) return L"--qc-baseline указан дважды";
    if (i + 2 >= args.size()) return L"после --qc-baseline нужны две даты ГГГГ-ММ-ДД";
    const std::optional<int64_t> from = LocalDayStart(args[i + 1]);
    const std::optional<int64_t> to = LocalDayEnd(args[i + 2]);
    if (!from || !to)
        return L"--qc-baseline «" + args[i + 1] + L" " + args[i + 2] + L"» — не две даты ГГГГ-ММ-ДД";
    if (*from >= *to) return L"--qc-baseline: первая дата позже второй";
    baseline = DateRange{*from, *to, args[i + 1], args[i + 2]};
    return std::wstring();
}

// The reason on one line, without the blanks around it: what the QC file and its log keep.
std::wstring OneLineReason(std::wstring reason) {
    for (wchar_t& c : reason) {
        if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
    }
    return std::wstring(TrimBlanks(reason));
}

// The limits of QC are established once, for a reason, and every run uses them: a baseline of dates
// only goes with --establish, which needs a reason. Empty when all is well.
std::wstring CheckEstablishing(bool establish, bool baseline, const std::optional<std::wstring>& reason) {
    if (baseline && !establish)
        return L"--qc-baseline указывается только вместе с --establish: пределы контроля качества "
               L"устанавливаются один раз (oxycalc-cli qc --establish --qc-baseline ОТ ДО --reason "
               L"\"…\"), и каждый запуск судит по ним";
    if (reason && !establish) return L"--reason указывается только вместе с --establish";
    if (establish && (!reason || OneLineReason(*reason).empty()))
        return L"для --establish нужна причина: --reason \"…\" (она войдёт в журнал файла контроля)";
    return std::wstring();
}

// `batch` and `qc`: options that each take one value, given once, and the baseline's two dates.
CliParse ParseBatchOptions(const std::vector<std::wstring>& args, CliParse::Command command) {
    std::map<std::wstring, std::optional<std::wstring>> values;
    for (const wchar_t* name : {L"--db", L"--components", L"--standard", L"--densities", L"--out", L"--from",
                                L"--to", L"--xsl", L"--series-gap", L"--lang"})
        values[name];
    if (command == CliParse::Command::Batch) {
        values[L"--limits"];
        values[L"--wait"];
        values[L"--register"];
    }
    if (command == CliParse::Command::Qc) values[L"--reason"];
    std::optional<DateRange> baseline;
    bool establish = false;
    bool issue = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == L"--establish" && command == CliParse::Command::Qc) {
            if (establish) return Error(L"--establish указан дважды");
            establish = true;
            continue;
        }
        if (args[i] == L"--issue" && command == CliParse::Command::Batch) {
            if (issue) return Error(args[i] + L" указан дважды");
            issue = true;
            continue;
        }
        if (args[i] == L"--qc-baseline") {
            const std::wstring error = ReadBaseline(args, i, baseline);
            if (!error.empty()) return Error(error);
            i += 2;
            continue;
        }
        const auto option = values.find(args[i]);
        if (option == values.end()) return Error(L"неизвестный параметр " + args[i]);
        if (i + 1 >= args.size()) return Error(L"после " + args[i] + L" нет значения");
        if (!SetOnce(option->second, args[++i])) return Error(args[i - 1] + L" указан дважды");
    }
    const std::pair<const wchar_t*, const wchar_t*> required[] = {
        {L"--db", L"база данных"},
        {L"--components", L"файл таблицы компонентов"},
        {L"--standard", L"внутренний стандарт"},
        {L"--densities", L"файл плотностей проб"},
        {L"--out", L"папка отчётов"}};
    for (const auto& [name, what] : required) {
        // Establishing writes the QC file; the charts with the new limits only when asked.
        if (establish && std::wstring(name) == L"--out") continue;
        if (!values[name]) return Error(std::wstring(L"не указан(а) ") + what + L" (" + name + L")");
    }
    const std::wstring problem = CheckEstablishing(establish, baseline.has_value(), values[L"--reason"]);
    if (!problem.empty()) return Error(problem);
    CliParse parse;
    BatchOptions& batch = parse.batch;
    batch.issue = issue;
    batch.registerFile = values[L"--register"];
    if (batch.registerFile && !issue)
        return Error(Render(MessageCode::RegisterCliRegisterWithIssue, Language::Russian));
    for (const auto& [name, day, end] :
         {std::tuple{L"--from", &batch.from, false}, std::tuple{L"--to", &batch.to, true}}) {
        const std::optional<std::wstring>& text = values[name];
        if (!text) continue;
        *day = end ? LocalDayEnd(*text) : LocalDayStart(*text);
        if (!*day) return Error(std::wstring(name) + L" «" + *text + L"» — не дата ГГГГ-ММ-ДД");
    }
    batch.database = *values[L"--db"];
    batch.components = *values[L"--components"];
    batch.standard = *values[L"--standard"];
    // The method is one of an internal standard: without it the standard's own oxygen would count.
    if (TrimBlanks(batch.standard).empty()) return Error(L"внутренний стандарт (--standard) пуст");
    batch.densities = *values[L"--densities"];
    batch.outFolder = values[L"--out"].value_or(L"");
    batch.establish = establish;
    batch.reason = OneLineReason(values[L"--reason"].value_or(L""));
    if (command == CliParse::Command::Batch) batch.limits = values[L"--limits"];
    batch.qcBaseline = baseline;
    batch.fromText = values[L"--from"];
    batch.toText = values[L"--to"];
    if (const std::optional<std::wstring>& gap = values[L"--series-gap"]) {
        const std::optional<double> hours = ReadWholeNumber(*gap);
        if (!hours || *hours <= 0 || *hours > 24 * 365)
            return Error(L"--series-gap «" + *gap + L"» — не число часов");
        batch.seriesGapSeconds = static_cast<int64_t>(*hours * 3600);
    }
    if (const std::optional<std::wstring>& wait = values[L"--wait"]) {
        const std::optional<double> seconds = ReadWholeNumber(*wait);
        if (!seconds || *seconds < 0 || *seconds > 24 * 3600 || *seconds != static_cast<int64_t>(*seconds))
            return Error(L"--wait «" + *wait + L"» — не целое число секунд");
        batch.waitSeconds = static_cast<int64_t>(*seconds);
    }
    batch.stylesheet = values[L"--xsl"];
    if (const std::optional<std::wstring>& key = values[L"--lang"]) {
        const std::optional<Language> language = LanguageOfKey(*key);
        if (!language) return Error(L"--lang «" + *key + L"» — не язык: ru или en");
        batch.language = *language;
    }
    parse.command = command;
    parse.kind = CliParse::Kind::Run;
    return parse;
}

// `history FILE [--reason TEXT [--entry N]]`.
CliParse ParseHistoryOptions(const std::vector<std::wstring>& args) {
    CliParse parse;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& name = args[i];
        if (name != L"--reason" && name != L"--entry") {
            if (!parse.file.empty() || name.rfind(L"--", 0) == 0)
                return Error(L"после history ожидается один файл; неизвестный параметр " + name);
            parse.file = name;
            continue;
        }
        if (i + 1 >= args.size()) return Error(L"после " + name + L" нет значения");
        const std::wstring& value = args[++i];
        if (name == L"--reason") {
            if (parse.reason) return Error(L"--reason указан дважды");
            parse.reason = OneLineReason(value);
            if (parse.reason->empty()) return Error(L"причина (--reason) пуста");
            continue;
        }
        if (parse.entry) return Error(L"--entry указан дважды");
        const std::optional<int32_t> number = ReadId(value);
        if (!number || *number == 0) return Error(L"--entry «" + value + L"» — не номер записи журнала");
        parse.entry = static_cast<size_t>(*number);
    }
    if (parse.file.empty()) return Error(L"после history ожидается файл таблицы");
    if (parse.entry && !parse.reason) return Error(L"--entry указывается только вместе с --reason");
    parse.kind = CliParse::Kind::Run;
    parse.command = CliParse::Command::History;
    return parse;
}

}  // namespace

CliParse ParseCliOptions(const std::vector<std::wstring>& args) {
    if (std::find(args.begin(), args.end(), L"--help") != args.end()) {
        CliParse parse;
        parse.kind = CliParse::Kind::Help;
        return parse;
    }
    if (!args.empty() && args[0] == L"batch") return ParseBatchOptions(args, CliParse::Command::Batch);
    if (!args.empty() && args[0] == L"qc") return ParseBatchOptions(args, CliParse::Command::Qc);
    if (!args.empty() && args[0] == L"verify") {
        const bool withRegister = args.size() == 4 && args[2] == L"--register";
        if (args.size() != 2 && !withRegister) return Error(L"после verify ожидается один файл");
        CliParse parse;
        parse.kind = CliParse::Kind::Run;
        parse.command = CliParse::Command::Verify;
        parse.file = args[1];
        if (withRegister) parse.registerFile = args[3];
        return parse;
    }
    if (IsRegisterCommand(args)) {
        Message error;
        CliParse parse;
        const std::optional<RegisterOptions> options = ParseRegisterOptions(args, error);
        if (!options) return Error(Render(error, Language::Russian));
        parse.kind = CliParse::Kind::Run;
        parse.command = CliParse::Command::Register;
        parse.registerOptions = *options;
        return parse;
    }
    if (!args.empty() && args[0] == L"history") return ParseHistoryOptions(args);
    if (args.empty() || args[0] != L"report")
        return Error(L"ожидается команда report, batch, qc, verify, history, register, issue или amend");
    CliParse parse;
    TextOptions text;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& name = args[i];
        if (name == L"--tick-all") {
            parse.options.tickAll = true;
            continue;
        }
        const auto valued = ValueOptions().find(name);
        std::optional<std::wstring>* field = text.Find(name);
        if (valued == ValueOptions().end() && field == nullptr) return Error(L"неизвестный параметр " + name);
        if (i + 1 >= args.size()) return Error(L"после " + name + L" нет значения");
        const std::wstring& value = args[++i];
        std::wstring error;
        if (field != nullptr) {
            if (!SetOnce(*field, value)) return Error(name + L" указан дважды");
        } else if (!valued->second(parse.options, value, error)) {
            return Error(error.empty() ? name + L" указан дважды" : error);
        }
    }
    const std::wstring problem = Check(parse.options, text);
    if (!problem.empty()) return Error(problem);
    if (text.density && !text.density->empty()) {
        const std::optional<double> density = ReadWholeNumber(*text.density);
        if (!density) return Error(L"плотность пробы «" + *text.density + L"» не является числом");
        parse.options.sampleDensity = *density;
        parse.options.sampleDensityGiven = true;
    }
    parse.options.database = *text.database;
    parse.options.components = *text.components;
    parse.options.standard = text.standard.value_or(std::wstring());
    parse.kind = CliParse::Kind::Run;
    return parse;
}

std::wstring CliUsage() {
    return std::wstring(
               LR"(Расчёт органических кислородсодержащих соединений и общего содержания органически
связанного кислорода по ГОСТ EN 13132-2012 без окна: пакетный режим модуля oxycalc.

Использование:
  oxycalc-cli report --db ПУТЬ --assay ID [--assay ID ...] [--tick ID ... | --tick-all]
                     [--density ТЕКСТ] [--standard ТЕКСТ] --components ПУТЬ
                     [--limits ФАЙЛ] [--xml ФАЙЛ] [--html ФАЙЛ [--xsl ПУТЬ]]
                     [--json ФАЙЛ] [--csv ФАЙЛ] [--lang ru|en]
  oxycalc-cli batch --db ПУТЬ --components ПУТЬ --standard ТЕКСТ --densities ФАЙЛ
                    --out ПАПКА [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--limits ФАЙЛ]
                    [--xsl ПУТЬ] [--series-gap ЧАСЫ] [--wait СЕКУНДЫ] [--lang ru|en]
  oxycalc-cli qc --db ПУТЬ --components ПУТЬ --standard ТЕКСТ --densities ФАЙЛ
                 --out ПАПКА [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--xsl ПУТЬ]
                 [--series-gap ЧАСЫ] [--lang ru|en]
  oxycalc-cli qc --establish [--qc-baseline ГГГГ-ММ-ДД ГГГГ-ММ-ДД] --reason ТЕКСТ
                 --db ПУТЬ --components ПУТЬ --standard ТЕКСТ --densities ФАЙЛ
                 [--out ПАПКА] [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--xsl ПУТЬ]
                 [--series-gap ЧАСЫ]
  oxycalc-cli verify ОТЧЁТ [--register РЕЕСТР]
  oxycalc-cli history ФАЙЛ [--reason ТЕКСТ [--entry N]]
  oxycalc-cli register --start ШАБЛОН [--first N] [--register ФАЙЛ] [--components ПУТЬ]
  oxycalc-cli register --use РЕЕСТР [--components ПУТЬ]
  oxycalc-cli issue ПРОЕКТ [--register ФАЙЛ]
  oxycalc-cli amend НОМЕР ПРОЕКТ --reason ТЕКСТ [--register ФАЙЛ]
  oxycalc-cli amend НОМЕР --withdraw --reason ТЕКСТ [--register ФАЙЛ] [--components ПУТЬ]
                    [--xsl ПУТЬ] [--lang ru|en]
  oxycalc-cli --help

Параметры:
  --db ПУТЬ          база данных хроматограмм (SQLite), только чтение
  --assay ID         номер хроматограммы в базе; повторяется, порядок сохраняется,
                     повтор номера загружает хроматограмму один раз, номер без записи
                     в базе сообщается и пропускается
  --tick ID          отметить хроматограмму для расчёта (повторяется; ID из --assay)
  --tick-all         отметить все загруженные хроматограммы с массой пробы
                     хроматограмму без массы пробы отметить нельзя: она сообщается
                     и не учитывается, расчёт продолжается (код 1)
  --density ТЕКСТ    плотность пробы, кг/м³ (точка или запятая); не задана или
                     пуста — 1
  --standard ТЕКСТ   внутренний стандарт (имя компонента, регистр не важен)
  --components ПУТЬ  файл таблицы компонентов (CompsTableOxycalc.csv); открывается
                     монопольно, как в модуле
  --limits ФАЙЛ      файл норм (например LimitsOxycalc-EN228-E10.csv): результаты
                     сравниваются с нормами, выводы печатаются и входят в отчёт
  --xml ФАЙЛ         записать документ отчёта (UTF-8 XML)
  --html ФАЙЛ        записать отчёт HTML, преобразованный таблицей стилей
  --xsl ПУТЬ         таблица стилей для --html; по умолчанию Report.xsl из папки
                     данных модуля (Общие документы\Veltar4\oxycalc)
  --json ФАЙЛ        записать отчёт для программ (LIMS): JSON постоянной структуры
  --csv ФАЙЛ         записать результаты для электронных таблиц: по-русски «;» и
                     десятичная запятая, с --lang en «,» и точка; UTF-8 с меткой
                     порядка байтов
  --lang ru|en       язык отчётов и страниц (report, batch, qc): ru — русский
                     (по умолчанию), en — английский; таблицы стилей по умолчанию
                     тогда Report.ENU.xsl, BatchIndex.ENU.xsl, QcChart.ENU.xsl;
                     сообщения в консоли — по-русски
  Файл вывода не может совпадать с входным файлом (база, таблица компонентов,
  хроматограмма, таблица стилей) или с другим файлом вывода, лежать в журнале или
  папке версий таблицы (и по ссылке) и заменять файл, который не является таким
  же выводом этой программы или пуст (файл контроля, плотностей, таблицу стилей) (код 2).

Пакетный расчёт (batch): анализы базы (без градуировок) собираются в серии
параллельных определений — анализы одной пробы ([assay].sample), сделанные друг
за другом не более чем через --series-gap часов (12) между соседними. Берутся
серии, первый анализ которых попал в даты --from…--to (включительно, местное
время); серия берётся целиком, даже если её анализы продолжаются после --to.
Для каждой серии берётся плотность из файла плотностей (строки «проба;плотность»),
отмечаются все хроматограммы с массой пробы, и в папку --out пишутся её отчёты
(HTML, XML, JSON, CSV) с именем по времени первого анализа и пробе
(2024-03-14_0912_АИ-95-К5_партия_2417.html) — вместе, только целиком. Файл папки,
который пакет не записывал для этой серии (или который изменён после записи), не
заменяется: серия указывается с причиной. Записи о файлах пакета хранятся в
oxycalc-batch-files.txt в той же папке. Страница index.html перечисляет серии со
всеми предупреждениями и выводами (таблица стилей BatchIndex.xsl из папки таблицы
стилей отчёта); прежняя index.html сохраняется как index-<её даты>.html. Серия без
плотности или без хроматограмм с массой указывается с причиной. По строке хода
расчёта на серию — в стандартный поток ошибок; код 1, если у какой-либо серии
есть предупреждение, неопределённый вывод, превышение r или она не рассчитана.
Имя файлов серии даётся один раз, при первой записи, и остаётся за ней в любом
часовом поясе: серия узнаётся по первому анализу (номеру и времени UTC).
В папке работает один пакет за раз (файл oxycalc-batch.lock называет его:
пользователь@компьютер, процесс, с какого времени); второй ждёт --wait секунд
(60) и, если папка всё ещё занята, не запускается (код 2). Файл блокировки
процесса, которого уже нет на этом компьютере, не мешает. Пакет, прерванный на
полпути (Ctrl+C, закрытое окно, снятый процесс), оставляет каждую серию целой
или прежней; незаконченное следующий пакет в этой папке доводит до конца, а
временные файлы (папка oxycalc-batch-staging) удаляет.

Контроль качества (batch и qc): файл QcOxycalc.csv рядом с таблицей компонентов
(правила чтения те же, строка заголовка необязательна, «#» — комментарий) задаёт
по строке на контрольную карту: контрольная проба (имя пробы в базе, регистр не
важен); компонент (имя пика; пусто — общее содержание кислорода); «% масс.» или
«% об.»; принятое значение (необязательно: на карте тогда результат минус оно);
допуск ± (необязательно, только с принятым значением); затем установленные
пределы, которые пишет qc --establish. Каждая серия контрольной пробы даёт по
результату на строку; плотность пробы берётся из файла плотностей. Строка, проба
которой в базе — одна серия, — ошибка: контрольную пробу анализируют раз за
разом, одна серия — анализ обычной пробы (она и рассчитывается как обычная).
Карты индивидуальных значений и скользящих размахов строятся по всем сериям
контрольной пробы в базе, какие бы даты ни были выбраны; показываются серии
выбранных дат. Пределы (среднее ± 2,66·MR̄, предел MR 3,267·MR̄) лаборатория
устанавливает один раз: qc --establish --reason "…" берёт базовый период — первые
20 используемых результатов карты в базе или серии дат --qc-baseline (включительно)
— и записывает пределы в файл контроля, а в его журнал (QcOxycalc.csv.log) — кто,
когда, почему, прежние пределы и новые; пересмотр — та же команда с новой
причиной. Результаты после базового периода судятся по записанным пределам в
каждом следующем batch и qc. До установки (и до конца базового периода) результат
судится по предварительным пределам из результатов этой карты, сделанных до него
(первые 20 используемых, кроме не пройденных); если их меньше 5, он не оценён.
Правила: 1 — точка за пределом 3σ; 2 — 2 из 3 подряд за 2σ по одну сторону;
3 — 4 из 5 подряд за 1σ по одну сторону; 4 — 8 подряд по одну сторону от средней
линии; 5 — скользящий размах выше предела (кроме возврата от точки, нарушившей
правило: такой размах отнесён к ней, что сказано у точки). Результат, основа
которого не определена (стандарт не найден, компонент не найден и т. п.),
показывается, но не используется. Анализ, между которым и не пройденным контролем
(вне контроля или вне допуска) нет контроля в норме, — сделанный после последнего
контроля в норме и до конца серии не пройденного (в том числе между его
параллельными) или после не пройденного и до следующего в норме, — ставит свою
серию «под сомнением: контроль качества не пройден» в строке страницы пакета, в
отчёте и в JSON (код 1); «подтверждено» — только контролем в норме после серии,
без него — «ещё не подтверждено контролем качества». Если в выбранные даты есть
результаты контроля, но ни один не оценён, это сообщается (код 1). Страница
пакета показывает карты, qc.json — те же точки, пределы и нарушения для программ
(прежний сохраняется как qc-<даты>.json).
Команда qc рассчитывает только серии контрольных проб и пишет в папку --out
страницу qc.html (таблица стилей --xsl, по умолчанию QcChart.xsl из папки данных
модуля) и qc.json, заменяя прежние; код 1, если результат контроля не пройден
или не определён, ни один не оценён, файл контроля содержит ошибки или
результатов нет. С --establish она устанавливает пределы каждой карты и, если
задана --out, рисует карты с ними; код 1, если пределы какой-либо карты не
установлены или файл контроля не записан.

Проверка отчёта (verify): отчёт (XML или JSON, от модуля или от oxycalc-cli)
записывает, как он сделан (настройки, программа), и исходные данные — файлы
хроматограмм, таблицы компонентов, норм, плотностей, контроля качества и стилей с их
SHA-256 и местом журналов изменений, строки базы данных, на которых стоят числа.
verify сверяет записанные файлы с нынешними (по SHA-256, журналы — по записи, на
которую указывает отчёт), затем составляет отчёт заново по записанным настройкам из
нынешних данных и сравнивает его с записанным поле за полем, называя каждое различие.
Код 0 — всё совпадает, 1 — есть различия или исходных данных нет, 2 — отчёт не
читается (назван недостающий или неверный ключ).

Журнал изменений (history): таблица компонентов, файл норм и файл контроля ведут журнал
изменений рядом с собой (ИМЯ.log, версии — в папке ИМЯ.versions): сохранение в модуле,
изменение вне модуля, найденное при следующем чтении, установка пределов контроля. history печатает
журнал и проверяет его: каждая запись продолжает предыдущую (SHA-256), номера идут
по порядку, файл совпадает с последней записью, версия таблицы каждой записи сохранена
и изменения между версиями те, что названы в записи; называет сохранения без причины и
говорит, что последнюю запись не закрепляет ничто в журнале (её закрепляет только
отчёт, сделанный после неё). Код 0 — журнал цел, 1 — нарушен (названа первая неверная
запись), 2 — журнала нет.
С --reason ТЕКСТ history записывает новой записью журнала причину сохранения в модуле
(или изменения вне модуля) — последнего сохранения или записи --entry N; запись
называет ту, к которой дана причина, и кто, где и когда её дал. Код 0 — записана,
1 — журнал нарушен или не записывается (ничего не добавлено), 2 — журнала или такой
записи нет.

Результаты печатаются в стандартный вывод, сообщения и предупреждения (стандарт не
задан или не найден в таблице компонентов, хроматограмма без именованных пиков или
без пика стандарта, компонент найден не во всех параллельных определениях,
концентрация пика не задана, у компонента нет молярной массы или плотности) — в
стандартный поток ошибок. Время анализа выводится в местном часовом поясе (TZ).
Результаты вне области применения метода (компонент ниже 0,17 или выше 15 % масс.,
кислород выше 3,7 % масс.) отмечаются в отчёте; выводы о нормах от этого не меняются.

Коды завершения:
  0  успешно: каждая хроматограмма из --assay загружена с массой пробы, каждая
     отметка принята, у расчёта нет предупреждений и каждый вывод о норме определён
  1  базу данных или файл нельзя использовать, хроматограмма не загружена или без
     массы пробы, отметка отклонена, ничего не отмечено, таблица компонентов пуста,
     у расчёта есть предупреждение, вывод о норме не определён или файл норм
     содержит ошибки; отчёт записан по тому, что можно было учесть
  2  неверная командная строка, значение не является числом, файл вывода совпадает
     с входным; ничего не записано
)") + Render(MessageCode::RegisterUsage, Language::Russian);
}

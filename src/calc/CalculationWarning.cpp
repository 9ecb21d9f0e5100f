#include "calc/CalculationWarning.h"

#include <algorithm>
#include <iterator>

#include "calc/CalculationData.h"
#include "calc/ChromatogramChecks.h"
#include "calc/NameCompare.h"
#include "calc/TickedSamples.h"
#include "platform/NumberText.h"

namespace {

// The ids of the components no peak can match, ", "-separated.
std::wstring WithoutPeakName(const std::vector<Component>& components) {
    std::wstring ids;
    for (const Component& component : components) {
        if (!component.peakName.empty()) continue;
        ids += (ids.empty() ? L"№" : L", №") + std::to_wstring(component.id);
    }
    return ids;
}

// The distinct sample names, "; "-separated.
std::wstring SampleNames(const std::vector<SampleName>& samples) {
    std::vector<std::wstring> seen;
    std::wstring names;
    for (const SampleName& name : samples) {
        if (std::find(seen.begin(), seen.end(), name.sample) != seen.end()) continue;
        seen.push_back(name.sample);
        names += (names.empty() ? L"" : L"; ") + name.sample;
    }
    return names;
}

}  // namespace

std::wstring CalculationWarning::Text() const {
    switch (kind) {
        case Kind::StandardNotFound:
            return L"Стандарт «" + subject +
                   L"» не найден в таблице компонентов: кислород стандарта учтён в общем содержании.";
        case Kind::NoMolarMass:
            return L"У компонента «" + subject +
                   L"» молярная масса не задана или не положительное число: его кислород не учтён.";
        case Kind::NoDensity:
            return L"У компонента «" + subject +
                   L"» плотность не задана или не положительное число: его объём не рассчитан.";
        case Kind::ComponentsLastRead:
            return L"Файл таблицы компонентов не читается — он занят другой программой, удалён или пуст: " +
                   subject + L". Результаты рассчитаны по таблице, прочитанной ранее.";
        case Kind::ComponentsNotRead:
            return L"Таблица компонентов не прочитана — файл занят другой программой, отсутствует или "
                   L"пуст: " +
                   subject + L". Результатов нет.";
        case Kind::SeveralSamples:
            return L"Отмечены хроматограммы разных проб (" + subject +
                   L"): параллельные определения должны относиться к одной пробе.";
        case Kind::NoStandard:
            return L"Внутренний стандарт не задан: кислород всех найденных компонентов учтён в общем "
                   L"содержании.";
        case Kind::ImplausibleDensity:
            return L"Плотность пробы " + subject +
                   L" кг/м³ не похожа на плотность бензина (600–1000 кг/м³): "
                   L"объёмы и объёмные доли неверны.";
        case Kind::NoPeakName:
            return L"У компонентов " + subject +
                   L" таблицы нет имени пика: они не найдутся ни в одной хроматограмме (поля файла "
                   L"разделены не «;»?).";
        case Kind::NoComponents:
            return L"В таблице компонентов нет ни одного компонента (" + subject + L"): результатов нет.";
        case Kind::ComponentsWithoutHeader:
            return L"В файле таблицы компонентов нет строки заголовка: первая строка прочитана как компонент "
                   L"(" +
                   subject + L"). При сохранении таблицы заголовок будет добавлен.";
        case Kind::NoNamedPeaks:
            return L"В отмеченных хроматограммах нет ни одного именованного пика — они не обработаны: " +
                   chromatograms +
                   L". В средних они учтены как хроматограммы без компонентов; нормы не определены.";
        case Kind::NoStandardPeak:
            return L"В отмеченных хроматограммах нет пика внутреннего стандарта «" + subject + L"»: " +
                   chromatograms + L". Пики размечены неверно или стандарт не добавлен; нормы не определены.";
        case Kind::PartlyFound:
            return L"Компонент «" + subject + L"» не найден в хроматограммах " + chromatograms +
                   L", хотя в других его массовая доля не ниже 0,17 %: параллельные определения расходятся, "
                   L"среднее занижено.";
        case Kind::BadConcentration:
            return L"Концентрация пика компонента «" + subject +
                   L"» не задана, отрицательна или бесконечна в хроматограммах " + chromatograms +
                   L": результат компонента недостоверен.";
        case Kind::NoAnalysisDate:
            return L"Время анализа хроматограмм " + chromatograms +
                   L" не похоже на дату (вне 1970–9999 гг.): оно показано как «---».";
        case Kind::TableChangedOutside:
            return L"Файл " + subject +
                   L" изменён вне модуля с тех пор, как модуль его читал: изменение записано в журнал (" +
                   subject + L".log); проверьте его.";
        case Kind::NoOxygenAtoms:
            return L"У компонента «" + subject +
                   L"» число атомов кислорода в молекуле — не целое число от 1: его кислород не учтён.";
        case Kind::NoSampleDensity:
            return L"Плотность пробы не задана: объёмные доли компонентов неверны.";
        case Kind::TableLogUnwritable:
            return L"Журнал изменений файла " + subject +
                   L" не записывается (папка только для чтения?): изменения таблицы не учтены в журнале.";
        case Kind::TableLogBroken:
            return L"Журналу изменений файла " + subject + L" нельзя доверять: " + detail + L".";
        case Kind::NewDefaultTable:
            return L"Новая таблица по умолчанию " + subject +
                   L" отличается от таблицы компонентов лаборатории: " + detail +
                   L". Результаты рассчитаны по таблице лаборатории: сверьте её с новой и сохраните в модуле "
                   L"либо удалите файл " +
                   subject + L", если значения лаборатории верны.";
    }
    return subject;
}

const wchar_t* CalculationWarning::Key() const {
    switch (kind) {
        case Kind::StandardNotFound:
            return L"standard_not_found";
        case Kind::NoMolarMass:
            return L"no_molar_mass";
        case Kind::NoDensity:
            return L"no_density";
        case Kind::ComponentsLastRead:
            return L"components_last_read";
        case Kind::ComponentsNotRead:
            return L"components_not_read";
        case Kind::SeveralSamples:
            return L"several_samples";
        case Kind::NoStandard:
            return L"no_standard";
        case Kind::ImplausibleDensity:
            return L"implausible_density";
        case Kind::NoPeakName:
            return L"no_peak_name";
        case Kind::NoComponents:
            return L"no_components";
        case Kind::ComponentsWithoutHeader:
            return L"components_without_header";
        case Kind::NoNamedPeaks:
            return L"no_named_peaks";
        case Kind::NoStandardPeak:
            return L"no_standard_peak";
        case Kind::PartlyFound:
            return L"partly_found";
        case Kind::BadConcentration:
            return L"bad_concentration";
        case Kind::NoOxygenAtoms:
            return L"no_oxygen_atoms";
        case Kind::NoAnalysisDate:
            return L"no_analysis_date";
        case Kind::TableChangedOutside:
            return L"table_changed_outside";
        case Kind::NoSampleDensity:
            return L"no_sample_density";
        case Kind::TableLogUnwritable:
            return L"table_log_unwritable";
        case Kind::TableLogBroken:
            return L"table_log_broken";
        case Kind::NewDefaultTable:
            return L"new_default_table";
    }
    return L"";
}

bool NamesAComponent(const std::vector<Component>& components, const std::wstring& name) {
    return std::any_of(components.begin(), components.end(),
                       [&name](const Component& component) { return EqualNoCase(component.name, name); });
}

bool PlausibleSampleDensity(double density) {
    return density >= kLowestPetrolDensity && density <= kHighestPetrolDensity;
}

bool operator==(const CalculationWarning& a, const CalculationWarning& b) {
    return a.kind == b.kind && a.subject == b.subject && a.chromatograms == b.chromatograms &&
           a.peakName == b.peakName && a.detail == b.detail;
}

bool HasWarning(const std::vector<CalculationWarning>& warnings, CalculationWarning::Kind kind) {
    return std::any_of(warnings.begin(), warnings.end(),
                       [kind](const CalculationWarning& warning) { return warning.kind == kind; });
}

std::vector<CalculationWarning> CheckCalculation(const CalculationData& data,
                                                 const std::vector<Assay>& assays) {
    using Kind = CalculationWarning::Kind;
    std::vector<CalculationWarning> warnings;
    const std::vector<SampleName> samples = TickedSamples(assays);
    if (DistinctSampleCount(samples) > 1) warnings.push_back({Kind::SeveralSamples, SampleNames(samples)});
    if (data.componentsSource == ComponentsSource::LastRead)
        warnings.push_back({Kind::ComponentsLastRead, data.componentsPath});
    if (data.componentsSource == ComponentsSource::None)
        warnings.push_back({Kind::ComponentsNotRead, data.componentsPath});
    if (data.componentsSource != ComponentsSource::None && data.components.empty())
        warnings.push_back({Kind::NoComponents, data.componentsPath});
    if (data.componentsSource == ComponentsSource::File && data.componentsHeaderMissing)
        warnings.push_back({Kind::ComponentsWithoutHeader, data.componentsPath});
    if (data.componentsChangedOutside) warnings.push_back({Kind::TableChangedOutside, data.componentsPath});
    if (data.limits && data.limits->changedOutside)
        warnings.push_back({Kind::TableChangedOutside, data.limits->path});
    if (data.componentsLogUnwritable) warnings.push_back({Kind::TableLogUnwritable, data.componentsPath});
    if (data.limits && data.limits->logUnwritable)
        warnings.push_back({Kind::TableLogUnwritable, data.limits->path});
    if (!data.componentsLogProblem.empty())
        warnings.push_back({Kind::TableLogBroken, data.componentsPath, L"", L"", data.componentsLogProblem});
    if (data.limits && !data.limits->logProblem.empty())
        warnings.push_back({Kind::TableLogBroken, data.limits->path, L"", L"", data.limits->logProblem});
    if (!data.componentsNewDefault.path.empty()) {
        warnings.push_back({Kind::NewDefaultTable, data.componentsNewDefault.path, L"", L"",
                            data.componentsNewDefault.differences});
    }
    const std::wstring withoutPeakName = WithoutPeakName(data.components);
    if (!withoutPeakName.empty()) warnings.push_back({Kind::NoPeakName, withoutPeakName});
    if (!data.standard.empty() && !NamesAComponent(data.components, data.standard))
        warnings.push_back({Kind::StandardNotFound, data.standard});
    const bool anyTicked =
        std::any_of(assays.begin(), assays.end(), [](const Assay& assay) { return assay.isTicked != 0; });
    if (data.standard.empty() && (anyTicked || !data.results.empty()))
        warnings.push_back({Kind::NoStandard, L""});
    if (!data.sampleDensityGiven)
        warnings.push_back({Kind::NoSampleDensity, L""});
    else if (!data.results.empty() && !PlausibleSampleDensity(data.sampleDensity))
        warnings.push_back({Kind::ImplausibleDensity, FormatGeneral(data.sampleDensity, 15)});
    for (const ComponentResult& result : data.results) {
        const bool isStandard = EqualNoCase(result.name, data.standard);
        if (!IsUsableConstant(result.molarMass) && !isStandard)
            warnings.push_back({Kind::NoMolarMass, result.name});
        if (!IsUsableConstant(result.density)) warnings.push_back({Kind::NoDensity, result.name});
        if (result.oxygenAtoms < 1 && !isStandard) warnings.push_back({Kind::NoOxygenAtoms, result.name});
    }
    std::vector<CalculationWarning> chromatograms = CheckChromatograms(data, assays);
    warnings.insert(warnings.end(), std::make_move_iterator(chromatograms.begin()),
                    std::make_move_iterator(chromatograms.end()));
    return warnings;
}

#include "calc/CalculationWarning.h"

#include <algorithm>
#include <iterator>
#include <utility>

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

// The rows of the table, by id, that `same` puts together with an earlier row: for each group of two or
// more, its first row's value and the group's ids ("№6, №12"), in table order.
template <typename Same>
std::vector<std::pair<std::wstring, std::wstring>> RowsTogether(const std::vector<Component>& components,
                                                                Same same) {
    std::vector<std::pair<std::wstring, std::wstring>> groups;
    std::vector<bool> grouped(components.size(), false);
    for (size_t first = 0; first < components.size(); ++first) {
        if (grouped[first]) continue;
        std::wstring ids = L"№" + std::to_wstring(components[first].id);
        bool several = false;
        for (size_t other = first + 1; other < components.size(); ++other) {
            if (grouped[other] || !same(components[first], components[other])) continue;
            grouped[other] = several = true;
            ids += L", №" + std::to_wstring(components[other].id);
        }
        if (several) groups.emplace_back(components[first].peakName, ids);
    }
    return groups;
}

// A table whose rows contradict each other: a peak name borne by several rows (the peak is counted once
// for each), the standard's name shown on several (none of them is counted as oxygen).
void CheckRowsTogether(const CalculationData& data, std::vector<CalculationWarning>& warnings) {
    using Kind = CalculationWarning::Kind;
    const auto samePeak = [](const Component& a, const Component& b) {
        return !a.peakName.empty() && EqualNoCase(a.peakName, b.peakName);
    };
    for (const auto& [peakName, rows] : RowsTogether(data.components, samePeak))
        warnings.push_back({Kind::PeakNameInSeveralRows, peakName, L"", peakName, rows});
    if (data.standard.empty()) return;
    const auto bothStandard = [&data](const Component& a, const Component& b) {
        return EqualNoCase(a.name, data.standard) && EqualNoCase(b.name, data.standard);
    };
    for (const auto& group : RowsTogether(data.components, bothStandard))
        warnings.push_back({Kind::StandardInSeveralRows, data.standard, L"", L"", group.second});
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
        case Kind::PeakNameInSeveralRows:
            return L"Пик «" + subject + L"» назван в нескольких строках таблицы компонентов (" + detail +
                   L"): он учтён в каждой из них; нормы не определены.";
        case Kind::StandardInSeveralRows:
            return L"Под именем внутреннего стандарта «" + subject +
                   L"» в таблице компонентов несколько строк (" + detail +
                   L"): кислород каждой из них не учтён; нормы не определены.";
        case Kind::PeakTwiceInChromatogram:
            return L"В хроматограмме " + chromatograms + L" пик «" + subject +
                   L"» встречается несколько раз (время удерживания " + detail + L" мин): учтён первый.";
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
        case Kind::PeakNameInSeveralRows:
            return L"peak_name_in_several_rows";
        case Kind::StandardInSeveralRows:
            return L"standard_in_several_rows";
        case Kind::PeakTwiceInChromatogram:
            return L"peak_twice_in_chromatogram";
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
    CheckRowsTogether(data, warnings);
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

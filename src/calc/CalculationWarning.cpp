#include "calc/CalculationWarning.h"

#include <algorithm>
#include <cmath>

#include "calc/CalculationData.h"
#include "calc/NameCompare.h"
#include "calc/TickedSamples.h"

namespace {

bool Usable(double value) {
    return std::isfinite(value) && value > 0.0;
}

bool NamesAComponent(const CalculationData& data) {
    for (const Component& component : data.components) {
        if (EqualNoCase(component.name, data.standard)) return true;
    }
    return false;
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
            return L"У компонента «" + subject + L"» не задана молярная масса: его кислород не учтён.";
        case Kind::NoDensity:
            return L"У компонента «" + subject + L"» не задана плотность: его объём не рассчитан.";
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
    }
    return L"";
}

bool operator==(const CalculationWarning& a, const CalculationWarning& b) {
    return a.kind == b.kind && a.subject == b.subject;
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
    if (!data.standard.empty() && !NamesAComponent(data))
        warnings.push_back({Kind::StandardNotFound, data.standard});
    for (const ComponentResult& result : data.results) {
        const bool isStandard = EqualNoCase(result.name, data.standard);
        if (!Usable(result.molarMass) && !isStandard) warnings.push_back({Kind::NoMolarMass, result.name});
        if (!Usable(result.density)) warnings.push_back({Kind::NoDensity, result.name});
    }
    return warnings;
}

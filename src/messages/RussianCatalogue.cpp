// What the program says, in Russian: one line per code, "%1" … "%9" where its values go, "%%" for "%".
#include "messages/Catalogue.h"

extern const CatalogueLine kRussianCatalogue[] = {
    {MessageCode::None, L""},
    // Composed
    {MessageCode::List, L"%1"},
    {MessageCode::Text, L"%1"},
    // Warnings of a calculation: %1 subject, %2 chromatograms, %3 detail
    {MessageCode::StandardNotFound,
     L"Стандарт «%1» не найден в таблице компонентов: кислород стандарта учтён в общем содержании."},
    {MessageCode::NoMolarMass,
     L"У компонента «%1» молярная масса не задана или не положительное число: его кислород не учтён."},
    {MessageCode::NoDensity,
     L"У компонента «%1» плотность не задана или не положительное число: его объём не рассчитан."},
    {MessageCode::ComponentsLastRead,
     L"Файл таблицы компонентов не читается — он занят другой программой, удалён или пуст: %1. Результаты "
     L"рассчитаны по таблице, прочитанной ранее."},
    {MessageCode::ComponentsNotRead,
     L"Таблица компонентов не прочитана — файл занят другой программой, отсутствует или пуст: %1. "
     L"Результатов нет."},
    {MessageCode::SeveralSamples,
     L"Отмечены хроматограммы разных проб (%1): параллельные определения должны относиться к одной пробе."},
    {MessageCode::NoStandard,
     L"Внутренний стандарт не задан: кислород всех найденных компонентов учтён в общем содержании."},
    {MessageCode::ImplausibleDensity,
     L"Плотность пробы %1 кг/м³ не похожа на плотность бензина (600–1000 кг/м³): объёмы и объёмные доли "
     L"неверны."},
    {MessageCode::NoPeakName,
     L"У компонентов %1 таблицы нет имени пика: они не найдутся ни в одной хроматограмме (поля файла "
     L"разделены не «;»?)."},
    {MessageCode::NoComponents, L"В таблице компонентов нет ни одного компонента (%1): результатов нет."},
    {MessageCode::ComponentsWithoutHeader,
     L"В файле таблицы компонентов нет строки заголовка: первая строка прочитана как компонент (%1). При "
     L"сохранении таблицы заголовок будет добавлен."},
    {MessageCode::NoNamedPeaks,
     L"В отмеченных хроматограммах нет ни одного именованного пика — они не обработаны: %2. В средних они "
     L"учтены как хроматограммы без компонентов; нормы не определены."},
    {MessageCode::NoStandardPeak,
     L"В отмеченных хроматограммах нет пика внутреннего стандарта «%1»: %2. Пики размечены неверно или "
     L"стандарт не добавлен; нормы не определены."},
    {MessageCode::PartlyFound,
     L"Компонент «%1» не найден в хроматограммах %2, хотя в других его массовая доля не ниже 0,17 %%: "
     L"параллельные определения расходятся, среднее занижено."},
    {MessageCode::BadConcentration,
     L"Концентрация пика компонента «%1» не задана, отрицательна или бесконечна в хроматограммах %2: "
     L"результат компонента недостоверен."},
    {MessageCode::NoOxygenAtoms,
     L"У компонента «%1» число атомов кислорода в молекуле — не целое число от 1: его кислород не учтён."},
    {MessageCode::NoAnalysisDate,
     L"Время анализа хроматограмм %2 не похоже на дату (вне 1970–9999 гг.): оно показано как «---»."},
    {MessageCode::TableChangedOutside,
     L"Файл %1 изменён вне модуля с тех пор, как модуль его читал: изменение записано в журнал (%1.log); "
     L"проверьте его."},
    {MessageCode::NoSampleDensity, L"Плотность пробы не задана: объёмные доли компонентов неверны."},
    {MessageCode::TableLogUnwritable,
     L"Журнал изменений файла %1 не записывается (папка только для чтения?): изменения таблицы не учтены в "
     L"журнале."},
    {MessageCode::TableLogBroken, L"Журналу изменений файла %1 нельзя доверять: %3."},
    {MessageCode::PeakNameInSeveralRows,
     L"Пик «%1» назван в нескольких строках таблицы компонентов (%3): он учтён в каждой из них; нормы не "
     L"определены."},
    {MessageCode::StandardInSeveralRows,
     L"Под именем внутреннего стандарта «%1» в таблице компонентов несколько строк (%3): кислород каждой из "
     L"них не учтён; нормы не определены."},
    {MessageCode::PeakTwiceInChromatogram,
     L"В хроматограмме %2 пик «%1» встречается несколько раз (время удерживания %3 мин): учтён первый."},
    {MessageCode::QcLimitsNotAsEstablished,
     L"Пределы контроля качества в файле %1 не те, что записаны в его журнале при установке (%3): результаты "
     L"контроля по ним не оценены, отметки контроля качества, которые на них стоят, не определены. "
     L"Установите пределы заново (oxycalc-cli qc --establish)."},
    {MessageCode::NewDefaultTable,
     L"Новая таблица по умолчанию %1 отличается от таблицы компонентов лаборатории: %3. Результаты "
     L"рассчитаны по таблице лаборатории: сверьте её с новой и сохраните в модуле либо удалите файл %1, если "
     L"значения лаборатории верны."},
    {MessageCode::TicksNotCounted,
     L"Отмеченные хроматограммы не учтены в расчёте, пока их файлы недоступны: %2"},
    {MessageCode::StaleChromatograms,
     L"Файлы отмеченных хроматограмм изменены или не читаются после загрузки: %2. Результаты рассчитаны по "
     L"значениям, загруженным раньше (кнопка «Обновить и пересчитать» загрузит их заново); нормы не "
     L"определены."},
    {MessageCode::PeaksWithoutComponent,
     L"Пики без компонента (%3): %1 — в хроматограммах %2. Ни одна строка таблицы компонентов их не "
     L"называет: они не учтены ни в одном результате. Сверьте имена пиков метода с таблицей компонентов."},
    {MessageCode::PeakNameMistyped,
     L"Пик компонента «%1» назван в хроматограммах %2 не так, как в таблице компонентов, — они отличаются "
     L"лишь пробелами или управляющими знаками (%3): пик не учтён; общее содержание кислорода и нормы, в "
     L"которые входит компонент, не определены."},
    // How a new default table differs (the detail of new_default_table)
    {MessageCode::DefaultDiffers, L"«%1» — %2"},
    {MessageCode::DefaultField, L"%1 %2 (в новой %3)"},
    {MessageCode::DefaultMolarMass, L"молярная масса"},
    {MessageCode::DefaultDensity, L"плотность"},
    {MessageCode::DefaultOxygenAtoms, L"атомов O"},
    // Why a change log cannot be trusted (the detail of table_log_broken)
    {MessageCode::LogVersionNotKept,
     L"последняя запись журнала называет версию таблицы, которой нет в папке версий (запись изменена или "
     L"версии не записываются)"},
    {MessageCode::LogRemoved, L"журнал изменений был удалён: он начат заново"},
    // Verdicts, quantities, the method's range, the total
    {MessageCode::VerdictConforms, L"соответствует"},
    {MessageCode::VerdictExceeds, L"превышает"},
    {MessageCode::VerdictConditionallyConforms, L"условно соответствует"},
    {MessageCode::VerdictConditionallyExceeds, L"условно не соответствует"},
    {MessageCode::VerdictUndetermined, L"не определено"},
    {MessageCode::QuantityMass, L"% масс."},
    {MessageCode::QuantityVolume, L"% об."},
    {MessageCode::ScopeBelow, L"ниже области метода"},
    {MessageCode::ScopeAbove, L"выше области метода"},
    {MessageCode::TotalUndetermined, L"не определено"},
    {MessageCode::TotalUndeterminedTip,
     L"Общее содержание кислорода не определено: %1. Арифметическое значение %2 %% масс. — не результат."},
    {MessageCode::TotalNoResultNote, L"%1. Арифметическое значение %2 %% масс. — не результат"},
    {MessageCode::LimitsLineError, L"Файл норм %1 прочитан не весь: %2"},
    {MessageCode::LimitUndetermined, L"Норма «%1»: %2 — %3"},
    {MessageCode::DensityNotANumber, L"Плотность пробы «%1» — не число: в расчёте прежняя, %2 кг/м³"},
    {MessageCode::LimitOfOthers, L"прочие оксигенаты"},
    {MessageCode::LimitOfTotalOxygen, L"общее содержание кислорода"},
    // Why a verdict is undetermined
    {MessageCode::DoubtNothingTicked, L"нет отмеченных хроматограмм"},
    {MessageCode::DoubtTableNotRead, L"таблица компонентов не прочитана"},
    {MessageCode::DoubtSeveralSamples, L"отмечены хроматограммы разных проб"},
    {MessageCode::DoubtUnprocessed, L"отмечена хроматограмма без именованных пиков (не обработана)"},
    {MessageCode::DoubtNoStandardPeak, L"в отмеченной хроматограмме нет пика внутреннего стандарта"},
    {MessageCode::DoubtStaleChromatograms, L"файл отмеченной хроматограммы изменён после загрузки"},
    {MessageCode::DoubtPeakInSeveralRows, L"пик назван в нескольких строках таблицы компонентов"},
    {MessageCode::DoubtStandardInSeveralRows,
     L"под именем внутреннего стандарта несколько строк таблицы компонентов"},
    {MessageCode::DoubtSpread, L"расхождение параллельных определений выше r (%1 > %2)"},
    {MessageCode::DoubtOfComponent, L"у компонента «%1» %2"},
    {MessageCode::DoubtStandardNotFound, L"внутренний стандарт не найден в таблице компонентов"},
    {MessageCode::DoubtNoReproducibility, L"R не задан"},
    {MessageCode::DoubtUnknownRule, L"правило принятия решения неизвестно или названо дважды"},
    {MessageCode::DoubtNoStandard, L"внутренний стандарт не задан"},
    {MessageCode::DoubtNoSampleDensity, L"плотность пробы не задана"},
    {MessageCode::DoubtImplausibleDensity, L"плотность пробы неправдоподобна"},
    {MessageCode::DoubtNoDensity, L"у компонента «%1» нет плотности"},
    {MessageCode::DoubtNoMolarMass, L"у компонента «%1» нет молярной массы"},
    {MessageCode::DoubtNoOxygenAtoms, L"у компонента «%1» не задано число атомов кислорода"},
    {MessageCode::DoubtBadConcentration, L"у компонента «%1» недостоверная концентрация пика"},
    {MessageCode::DoubtPartlyFound, L"компонент «%1» найден не во всех параллельных определениях"},
    {MessageCode::DoubtUnknownPeakName, L"компонент нормы не в таблице"},
    {MessageCode::DoubtPeakNameMistyped,
     L"пик компонента «%1» назван в хроматограмме не так, как в таблице (пробелы или управляющие знаки)"},
    // A limits file's lines
    {MessageCode::LimitsNoName, L"нет названия нормы"},
    {MessageCode::LimitsBadQuantity, L"величина «%1» — не «%% масс.» и не «%% об.»"},
    {MessageCode::LimitsBadMaximum, L"предел «%1» — не число"},
    {MessageCode::LimitsOxygenByMass, L"общее содержание кислорода задаётся в «%% масс.»"},
    {MessageCode::LimitsBadR, L"предел повторяемости r «%1» — не число"},
    {MessageCode::LimitsRNotPositive, L"предел повторяемости r «%1» — не положительное число"},
    {MessageCode::LimitsROneComponent, L"предел повторяемости r задаётся для одного компонента"},
    {MessageCode::LimitsBadReproducibility, L"воспроизводимость R «%1» — не число и не a·X+b"},
    {MessageCode::LimitsNegativeReproducibility, L"воспроизводимость R «%1» отрицательна"},
    {MessageCode::LimitsUnknownRule,
     L"правило принятия решения «%1» неизвестно: допустимы «простое», «ISO 4259-2», «ILAC G8»"},
    {MessageCode::LimitsRuleTwice, L"правило принятия решения задано дважды: выводов нет"},
    {MessageCode::LimitsTooLarge,
     L"«%1» больше 1 000 000 000: таких норм, r и R не бывает, а четырёх знаков после запятой у такого числа "
     L"расчёт не сохраняет"},
    {MessageCode::LimitsNotOpened, L"файл норм не открывается"},
    {MessageCode::LimitsEmpty, L"в файле нет ни одной нормы"},
    {MessageCode::FileLine, L"строка %1: %2"},
    // A QC file's lines
    {MessageCode::QcBadMoment, L"%1 «%2» — не момент ГГГГ-ММ-ДДTчч:мм:ссZ"},
    {MessageCode::QcBaselineStart, L"начало базового периода"},
    {MessageCode::QcBaselineEnd, L"конец базового периода"},
    {MessageCode::QcEstablishedAt, L"момент установки пределов"},
    {MessageCode::QcBadCentre, L"средняя линия «%1» — не число"},
    {MessageCode::QcBadMovingRange, L"средний скользящий размах «%1» — не положительное число"},
    {MessageCode::QcBadCount, L"число результатов базового периода «%1» — не целое от 2"},
    {MessageCode::QcBaselineReversed, L"конец базового периода раньше его начала"},
    {MessageCode::QcNoReason, L"не указана причина установки пределов"},
    {MessageCode::QcEstablishedError, L"установленные пределы: %1"},
    {MessageCode::QcNoSample, L"нет названия контрольной пробы"},
    {MessageCode::QcOneComponent, L"на карте один компонент, а не «%1»"},
    {MessageCode::QcBadAccepted, L"принятое значение «%1» — не число"},
    {MessageCode::QcBadTolerance, L"допуск «%1» — не положительное число"},
    {MessageCode::QcToleranceWithoutAccepted, L"допуск задаётся вместе с принятым значением"},
    {MessageCode::QcNotOpened, L"файл контроля качества не открывается"},
    {MessageCode::QcSameChart, L"та же карта, что в строке %1"},
    {MessageCode::QcEmpty, L"в файле нет ни одной строки контроля"},
    {MessageCode::QcLimitsNotLogged,
     L"пределы не записаны в журнале файла контроля как установленные программой (нет записи «установлены "
     L"контрольные пределы» с сохранённой версией файла): по ним не судят"},
    {MessageCode::QcLimitsNotAsLogged,
     L"пределы или допуск строки не те, что записаны при установке пределов (запись %1 журнала, %2): "
     L"изменены "
     L"вне модуля, по ним не судят"},
    {MessageCode::QcOxygen, L"кислород"},
    {MessageCode::QcTotalOxygen, L"общее содержание органически связанного кислорода"},
    // Control charts
    {MessageCode::QcInControl, L"в норме"},
    {MessageCode::QcFailed, L"не пройден"},
    {MessageCode::QcUndetermined, L"не определён"},
    {MessageCode::QcUnjudged, L"не оценён"},
    {MessageCode::RuleBeyondLimit, L"за пределом 3σ"},
    {MessageCode::RuleTwoOfThree, L"2 из 3 подряд за 2σ по одну сторону"},
    {MessageCode::RuleFourOfFive, L"4 из 5 подряд за 1σ по одну сторону"},
    {MessageCode::RuleEightOnOneSide, L"8 подряд по одну сторону от средней линии"},
    {MessageCode::RuleMovingRange, L"скользящий размах выше предела"},
    {MessageCode::LimitsNeedTwo, L"для пределов нужно не менее двух результатов базового периода"},
    {MessageCode::LimitsNoSpread, L"результаты базового периода все одинаковы: разброс не оценить"},
    {MessageCode::ProvisionalTooFew,
     L"до него на карте %1 используемых результатов в норме, для предварительных пределов нужно не менее %2"},
    {MessageCode::BaselineFirstResults,
     L"первые %1 используемых результатов карты в базе до оцениваемого, кроме не пройденных"},
    {MessageCode::BaselineSeries, L"серии с %1 по %2"},
    {MessageCode::QcNotFinite, L"результат — не конечное число"},
    {MessageCode::QcComponentNotInTable, L"компонента «%1» нет в таблице компонентов"},
    {MessageCode::QcComponentNotFound, L"компонент «%1» не найден в хроматограммах"},
    {MessageCode::QcNotCalculated, L"результат не рассчитан"},
    {MessageCode::QcNoTolerance, L"нет допуска, %1"},
    {MessageCode::QcOutsideTolerance, L"вне допуска ±%1"},
    {MessageCode::QcWithinToleranceShort, L"в допуске"},
    {MessageCode::QcOutsideToleranceShort, L"вне допуска"},
    {MessageCode::QcReturnNote,
     L"скользящий размах %1 выше предела %2: возврат от точки %3, нарушившей правило; отнесён к ней, правило "
     L"5 не засчитано"},
    {MessageCode::QcPointBefore, L"перед ней"},
    // What QC says of a series
    {MessageCode::QualityConfirmed, L"подтверждено контролем качества"},
    {MessageCode::QualityNotYetConfirmed, L"ещё не подтверждено контролем качества"},
    {MessageCode::QualityInDoubt, L"под сомнением: контроль качества не пройден"},
    {MessageCode::QualityUndetermined,
     L"не определено: контроль качества судился по пределам, которые не те, что установлены"},
    {MessageCode::QualityLimitsInDoubt, L"%1 не оценён: %2"},
    {MessageCode::QualityCheck, L"контроль «%1» %2"},
    {MessageCode::QualityCheckFailed, L"%1 не пройден: %2"},
    {MessageCode::QualityAfterFailed, L"сделана после не пройденного контроля: %1 (%2), до контроля в норме"},
    {MessageCode::QualityNoLimits, L"у карты «%1» нет пределов и нет допуска: %2"},
    {MessageCode::QualityCheckInControl, L"%1 в норме"},
    {MessageCode::QualityCheckInControlProvisional, L"%1 в норме (пределы предварительные)"},
    {MessageCode::QualityPending, L"после серии нет оценённого результата контроля %1"},
    // Loading chromatograms
    {MessageCode::LoadFileNotRead, L"Ошибка загрузки файла: '%1'"},
    {MessageCode::LoadNoSampleMass, L"В хроматограмме \n%1\nне указана масса пробы"},
    {MessageCode::LoadSampleMassNotPositive,
     L"В хроматограмме \n%1\nмасса пробы «%2» не является положительным числом"},
    {MessageCode::LoadOutOfMemory, L"Недостаточно памяти для загрузки хроматограммы %1"},
    // The components table's file
    {MessageCode::TableNotRepresentable,
     L"Таблица компонентов не сохранена: компонент №%1 «%2» содержит знаки, которые нельзя записать в файл "
     L"таблицы (кодировка Windows-1251)."},
    {MessageCode::TableNotStorable,
     L"Таблица компонентов не сохранена: компонент №%1 «%2» содержит точку с запятой или перевод строки, "
     L"которые нельзя записать в поле файла таблицы."},
    {MessageCode::TableBadOxygenAtoms,
     L"Таблица компонентов не сохранена: у компонента №%1 «%2» число атомов кислорода — не целое число от 1 "
     L"до %3."},
    {MessageCode::TableNotLoaded,
     L"Таблица компонентов не сохранена: файл таблицы не удалось прочитать при открытии, а сейчас в нём есть "
     L"данные. Откройте таблицу заново.\n%1"},
    {MessageCode::TableReadsAsUtf8,
     L"Таблица компонентов не сохранена: записанная в кодировке Windows-1251, она читалась бы как текст "
     L"UTF-8 с другими именами. Проверьте имена компонентов."},
    {MessageCode::TableOpenFailed, L"Не удалось открыть файл таблицы компонентов для записи:\n%1"},
    {MessageCode::TableWriteFailed, L"Не удалось записать файл таблицы компонентов:\n%1"},
    {MessageCode::NoPublicDocuments, L"Не найден путь до общих документов."},
    {MessageCode::NewComponentPeakName, L"Задайте имя компонента!"},
    // Writing reports
    {MessageCode::DocumentNotCreated, L"документ отчёта не создан"},
    {MessageCode::FileNotWritten, L"файл «%1» не записан%2; прежний файл, если был, не тронут"},
    {MessageCode::FilesNotAllPlaced, L"файлы %1 не все поставлены на место"},
    {MessageCode::ReportNotMadeStale,
     L"отчёт не составлен: %1; значения, загруженные из файла, могут быть уже не его: загрузите "
     L"хроматограммы заново и составьте отчёт снова"},
    {MessageCode::ChromatogramFileChanged, L"файл хроматограммы %1 «%2» изменён после загрузки"},
    {MessageCode::ChromatogramFileGone, L"файл хроматограммы %1 «%2» больше не читается"},
    // The report's words
    {MessageCode::Yes, L"Да"},
    {MessageCode::No, L"Нет"},
    {MessageCode::Total, L"Всего"},
    {MessageCode::KindAnalysis, L"Анализ"},
    {MessageCode::KindCalibration, L"Градуировка"},
    {MessageCode::ColumnNumber, L"№"},
    {MessageCode::ColumnComponent, L"Компонент"},
    {MessageCode::ColumnPeak, L"Пик"},
    {MessageCode::ColumnOxygenAtoms, L"Атомов O"},
    {MessageCode::ColumnMass, L"Масса, г"},
    {MessageCode::ColumnMassPercent, L"% масс."},
    {MessageCode::ColumnDelta, L"Дельта, % масс."},
    {MessageCode::ColumnVolume, L"Объём, см³"},
    {MessageCode::ColumnVolumePercent, L"% об."},
    {MessageCode::ColumnMassFraction, L"Массовая доля, %%"},
    {MessageCode::ColumnVolumeFraction, L"Объёмная доля, %%"},
    {MessageCode::ColumnOxygen, L"Кислород, % масс."},
    {MessageCode::ColumnNote,
     L"Примечание (область метода: 0,17–15 %% масс. компонента, кислород до 3,7 %% масс.)"},
    {MessageCode::TotalOxygenCaption, L"Общее содержание органически связанного кислорода, %% масс."},
    {MessageCode::DecisionRuleSimple,
     L"Измеренное значение, округлённое до четырёх знаков после запятой (половина — от нуля), сравнивается с "
     L"нормой: не больше нормы — «соответствует», больше — «превышает». Неопределённость измерения не "
     L"учитывается (без защитной полосы). «Не определено» — когда данные вывода не позволяют; причина "
     L"названа."},
    {MessageCode::DecisionRuleIso4259,
     L"ISO 4259-2: результат X, округлённый до четырёх знаков после запятой, "
     L"«превышает» норму L, только когда X > L + 0,59·R(X), где R(X) — воспроизводимость метода при X из "
     L"файла норм; иначе «соответствует». 0,59 ≈ 1,645 / 2,77: 95 %% уверенности того, кто проверяет "
     L"результат. R(X), w и L + w округляются до четырёх знаков, как они показаны. Без R вывод не "
     L"определён."},
    {MessageCode::DecisionRuleIlacG8,
     L"ILAC G8:2019 с защитной полосой w = 0,59·R(X), где R(X) — воспроизводимость "
     L"метода при результате X из файла норм: X ≤ L − w — «соответствует», L − w < X ≤ L — «условно "
     L"соответствует», L < X ≤ L + w — «условно не соответствует», X > L + w — «превышает». R(X), w и края "
     L"полосы округляются до четырёх знаков, как они "
     L"показаны. Без R вывод не определён."},
    {MessageCode::DecisionRuleUnknown,
     L"Правило принятия решения, названное в файле норм, неизвестно или названо дважды: выводы не сделаны."},
    {MessageCode::DecisionRuleNoticeIso4259,
     L"Правило принятия решения: ISO 4259-2 (превышение — выше нормы + 0,59·R)"},
    {MessageCode::DecisionRuleNoticeIlacG8,
     L"Правило принятия решения: ILAC G8 (условные выводы в полосе норма ± 0,59·R)"},
    {MessageCode::DecisionRuleNoticeUnknown,
     L"Правило принятия решения в файле норм неизвестно или названо дважды: выводы не сделаны"},
    {MessageCode::Absent, L"нет"},
    // A chart's names
    {MessageCode::QcChartTitle, L"%1 — %2"},
    {MessageCode::QcMeasure, L"%1, %2"},
    {MessageCode::QcQuoted, L"«%1»"},
    // Establishing control limits
    {MessageCode::EstablishTooFewInBaseline,
     L"в базовом периоде %1 используемых результатов, нужно не менее %2"},
    {MessageCode::EstablishTooFewOnChart, L"на карте %1 используемых результатов, нужно не менее %2"},
    {MessageCode::EstablishOutlier,
     L"результат %1 (%2) лежит за пределами %3 … %4, которые дают остальные результаты базового периода: "
     L"найдите его причину или выберите другой базовый период (--qc-baseline)"},
    {MessageCode::EstablishNoSpread, L"разброс базового периода меньше 0.000001: пределы не записать"},
    // A batch's series
    {MessageCode::BatchNoDensity, L"нет плотности в файле плотностей"},
    {MessageCode::BatchDensityNotPetrol, L"плотность «%1» в файле плотностей — не плотность бензина, кг/м³"},
    {MessageCode::BatchTwoDensities, L"в файле плотностей две разные плотности этой пробы"},
    {MessageCode::BatchNoUsableMass, L"нет хроматограмм с указанной массой пробы"},
    {MessageCode::BatchChromatogramNotLoaded, L"хроматограмма %1 не загружена"},
    {MessageCode::BatchChromatogramNotLoadedWhy, L"хроматограмма %1 не загружена (%2)"},
    {MessageCode::BatchReportIsInput, L"отчёт не записан: его файл — входные данные"},
    {MessageCode::BatchForeignFile,
     L"отчёт не записан: в папке уже есть файл «%1», записанный не пакетом для этой серии или изменённый "
     L"после записи; он не тронут"},
    {MessageCode::BatchReportNotWritten, L"отчёт не записан"},
    {MessageCode::BatchQcNote, L"контроль, %1: %2 — %3"},
    {MessageCode::BatchQcNoteWhy, L"контроль, %1: %2 — %3: %4"},
    {MessageCode::BatchQcNoResult, L"нет результата"},
    {MessageCode::QcSampleAnalysedOnce,
     L"проба «%1» в базе — одна серия (%2): это анализ обычной пробы, а контрольную пробу анализируют раз за "
     L"разом; строка не учтена, серия рассчитана как обычная проба"},
    {MessageCode::QcNoneJudged,
     L"ни один результат контроля качества в выбранные даты не оценён: нет пределов (мало предшествующих "
     L"результатов или нет разброса) и нет допуска; контроль ничего не подтверждает"},
    {MessageCode::RangeAll, L"все даты"},
    {MessageCode::RangeFrom, L"с %1"},
    {MessageCode::RangeTo, L"по %1"},
    {MessageCode::RangeFromTo, L"с %1 по %2"},
};
extern const size_t kRussianCatalogueSize = sizeof kRussianCatalogue / sizeof kRussianCatalogue[0];

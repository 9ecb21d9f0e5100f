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
    // Signatures
    {MessageCode::SignatureStatementUnreadable, L"заявление подписи — не то, что записывает программа"},
    {MessageCode::SignatureKeyFileUnreadable, L"файл ключа «%1» не читается"},
    {MessageCode::SignatureKeyFileNotPkcs12, L"файл «%1» — не PKCS #12 (%2)"},
    {MessageCode::SignatureWrongPassword, L"пароль к файлу ключа «%1» не подходит (%2)"},
    {MessageCode::SignatureNoCertificate, L"в файле ключа «%1» нет сертификата (%2)"},
    {MessageCode::SignatureNoPrivateKey, L"у сертификата «%1» нет закрытого ключа (%2)"},
    {MessageCode::SignatureNoStore,
     L"хранилище сертификатов пользователя есть только в Windows: укажите файл ключа (--pkcs12 ФАЙЛ)"},
    {MessageCode::SignatureUseStore,
     L"в Windows ключ берётся из хранилища сертификатов пользователя (--cert КТО); файл PKCS #12 "
     L"импортируйте в него"},
    {MessageCode::SignatureCertificateNotFound,
     L"в хранилище сертификатов пользователя нет сертификата «%1» с закрытым ключом"},
    {MessageCode::SignatureCertificateNotValidNow,
     L"сертификат «%1» действителен с %2 по %3, не сейчас: подпись не сделана"},
    {MessageCode::SignatureNotMade, L"подпись не сделана: %1"},
    {MessageCode::SignatureDamaged, L"файл подписи повреждён (%1)"},
    {MessageCode::SignatureNotOverContent,
     L"подпись не сходится с заявлением: оно изменено или подпись от другого (%1)"},
    {MessageCode::SignatureNoTrustFolder,
     L"не указаны доверенные сертификаты лаборатории (--trust ПАПКА): кто подписал, не проверено"},
    {MessageCode::SignatureNoTrustedCertificates, L"в папке «%1» нет сертификатов PEM"},
    {MessageCode::SignatureCertificateNotValidThen,
     L"сертификат «%1» при подписании (%2) не действовал: он действителен с %3 по %4"},
    {MessageCode::SignatureNotTrusted,
     L"сертификат подписавшего выдан не тем, кому доверяет лаборатория (%1): %2"},
    {MessageCode::SignatureMeaningNotAsked, L"лаборатория не подписывает отчёты как «%1»"},
    {MessageCode::SignatureAlreadyMade, L"отчёт уже подписан «%1»: %2"},
    {MessageCode::SignatureOutOfOrder, L"«%1» подписывают после «%2», а этой подписи ещё нет"},
    {MessageCode::SignatureSamePerson,
     L"«%1» подписывает не тот, кто составил отчёт (%2): проверяет и утверждает другой человек"},
    {MessageCode::SignatureMeaningPrepared, L"составил"},
    {MessageCode::SignatureMeaningReviewed, L"проверил"},
    {MessageCode::SignatureMeaningApproved, L"утвердил"},
    {MessageCode::SignatureFileMissing, L"файла «%1» нет, или он не читается"},
    {MessageCode::SignatureOtherReport, L"заявление подписи относится к отчёту № %1"},
    {MessageCode::SignatureSignerDiffers, L"заявление называет подписавшим «%1», а подписал сертификат «%2»"},
    {MessageCode::SignatureFileChanged, L"файл «%1» изменён после подписи"},
    {MessageCode::SignatureFileNotCovered, L"файл отчёта «%1» подписью не охвачен"},
    {MessageCode::SignatureLine, L"%1: %2, %3, сертификат № %5, издатель %4"},
    {MessageCode::SignatureRefused, L"не подписано: %1"},
    {MessageCode::SignatureNotIssued, L"отчёта № %1 нет среди выпущенных в реестре «%2»"},
    {MessageCode::SignatureReplaced, L"отчёт № %1 заменён отчётом № %2: подписывают действующий отчёт"},
    {MessageCode::SignatureOfNotice, L"№ %1 — извещение об отзыве, а не отчёт"},
    {MessageCode::SignatureMade,
     L"подписано — %1; подпись и заявление — в реестре; страница с подписями: %3"},
    {MessageCode::VerifySignatureHolds, L"подпись верна: %1"},
    {MessageCode::VerifySignatureFails, L"ПОДПИСЬ НЕ ВЕРНА: %1 — %2"},
    {MessageCode::VerifySignatureUnread, L"ПОДПИСЬ НЕ ЧИТАЕТСЯ: %1 — %2"},
    {MessageCode::RegisterHistorySigned, L"%1. %2, %3: отчёт № %4 подписан «%5»: %6"},
    {MessageCode::RegisterCliSignatures,
     L"--signatures «%1»: ожидаются значения подписей через запятую по порядку — составил, проверил, "
     L"утвердил (или часть их)"},
    {MessageCode::RegisterCliSign,
     L"после sign ожидаются номер отчёта, --meaning составил|проверил|утвердил и ключ: --pkcs12 ФАЙЛ "
     L"[--password-env ИМЯ] или --cert КТО (хранилище сертификатов Windows)"},
    {MessageCode::SignUsage,
     L"\nПодписи (sign): oxycalc-cli sign НОМЕР --meaning составил|проверил|утвердил\n(--pkcs12 ФАЙЛ "
     L"[--password-env ИМЯ] | --cert КТО) подписывает выпущенный отчёт: заявление\n(номер, SHA-256 каждого "
     L"файла отчёта, значение, подписавший, время UTC) и его\nоткреплённая подпись CMS (.p7s) входят в "
     L"реестр, рядом — страница отчёта с подписями.\nПароль к PKCS #12 читается с терминала или из "
     L"переменной окружения, названной\n--password-env, — никогда из командной строки. На Windows ключ "
     L"берётся из хранилища\nсертификатов пользователя (--cert: часть имени или отпечаток SHA-1), ПИН "
     L"спрашивает\nего провайдер. Значения идут по порядку, каждое один раз; проверяет и утверждает "
     L"другой\nчеловек, чем составил. verify ОТЧЁТ --trust ПАПКА проверяет каждую подпись по\nсертификатам "
     L"PEM, которым лаборатория доверяет (на Windows без --trust — по хранилищу).\n"},
    {MessageCode::SignPassword, L"Пароль к файлу ключа: "},
    {MessageCode::SignNoPasswordVariable, L"переменной окружения %1 нет: пароль не задан"},
    {MessageCode::VerifyCliTrust, L"после --trust ожидается папка сертификатов PEM"},
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
    // The command line: its errors of use
    {MessageCode::CliUsageError, L"%1\nСправка: oxycalc-cli --help"},
    {MessageCode::CliError, L"ошибка: %1"},
    {MessageCode::CliDatabaseError, L"ошибка базы данных: %1"},
    {MessageCode::CliDocumentError, L"ошибка документа отчёта: %1"},
    {MessageCode::CliNotAnId, L"«%1» не является номером хроматограммы"},
    {MessageCode::CliNotALanguage, L"--lang «%1» — не язык: %2"},
    {MessageCode::CliOr, L"%1 или %2"},
    {MessageCode::CliNoDatabase, L"не указана база данных (--db)"},
    {MessageCode::CliNoComponents, L"не указан файл таблицы компонентов (--components)"},
    {MessageCode::CliNoAssay, L"не указано ни одной хроматограммы (--assay)"},
    {MessageCode::CliTickAndTickAll, L"--tick и --tick-all не указываются вместе"},
    {MessageCode::CliXslWithoutHtml, L"--xsl указывается только вместе с --html"},
    {MessageCode::CliTickNotAssay, L"хроматограмма %1 отмечена (--tick), но не указана в --assay"},
    {MessageCode::CliGivenTwice, L"%1 указан дважды"},
    {MessageCode::CliBaselineNeedsDates, L"после --qc-baseline нужны две даты ГГГГ-ММ-ДД"},
    {MessageCode::CliBaselineNotDates, L"--qc-baseline «%1 %2» — не две даты ГГГГ-ММ-ДД"},
    {MessageCode::CliBaselineReversed, L"--qc-baseline: первая дата позже второй"},
    {MessageCode::CliBaselineWithoutEstablish,
     L"--qc-baseline указывается только вместе с --establish: пределы контроля качества устанавливаются один "
     L"раз (oxycalc-cli qc --establish --qc-baseline ОТ ДО --reason \"…\"), и каждый запуск судит по ним"},
    {MessageCode::CliReasonWithoutEstablish, L"--reason указывается только вместе с --establish"},
    {MessageCode::CliEstablishNeedsReason,
     L"для --establish нужна причина: --reason \"…\" (она войдёт в журнал файла контроля)"},
    {MessageCode::CliUnknownOption, L"неизвестный параметр %1"},
    {MessageCode::CliNoValue, L"после %1 нет значения"},
    {MessageCode::CliNotGiven, L"не указан(а) %1 (%2)"},
    {MessageCode::CliNotADate, L"%1 «%2» — не дата ГГГГ-ММ-ДД"},
    {MessageCode::CliStandardEmpty, L"внутренний стандарт (--standard) пуст"},
    {MessageCode::CliNotHours, L"--series-gap «%1» — не число часов"},
    {MessageCode::CliNotSeconds, L"--wait «%1» — не целое число секунд"},
    {MessageCode::CliHistoryOneFile, L"после history ожидается один файл; неизвестный параметр %1"},
    {MessageCode::CliReasonEmpty, L"причина (--reason) пуста"},
    {MessageCode::CliNotAnEntry, L"--entry «%1» — не номер записи журнала"},
    {MessageCode::CliHistoryNeedsFile, L"после history ожидается файл таблицы"},
    {MessageCode::CliEntryWithoutReason, L"--entry указывается только вместе с --reason"},
    {MessageCode::CliVerifyOneFile, L"после verify ожидается один файл"},
    {MessageCode::CliExpectedCommand,
     L"ожидается команда report, batch, qc, verify, history, register, issue или amend"},
    {MessageCode::CliDensityNotANumber, L"плотность пробы «%1» не является числом"},
    // The command line: the files it is given
    {MessageCode::WhatDatabase, L"база данных"},
    {MessageCode::WhatComponentsFile, L"файл таблицы компонентов"},
    {MessageCode::WhatDensitiesFile, L"файл плотностей проб"},
    {MessageCode::WhatStylesheet, L"таблица стилей"},
    {MessageCode::WhatIndexStylesheet, L"таблица стилей страницы пакета"},
    {MessageCode::WhatChartStylesheet, L"таблица стилей контрольных карт"},
    {MessageCode::WhatStandard, L"внутренний стандарт"},
    {MessageCode::WhatOutFolder, L"папка отчётов"},
    {MessageCode::CliCannotRead, L"%1 «%2»: %3"},
    {MessageCode::CliComponentsNotExclusive,
     L"файл таблицы компонентов «%1» не открывается для чтения и записи: он только для чтения или занят "
     L"другой программой"},
    {MessageCode::CliNoLimitsFile, L"файла норм «%1» нет"},
    {MessageCode::CliOutputIsLog,
     L"файл «%1» — журнал изменений таблицы или её сохранённая версия; отчёт туда не записан"},
    {MessageCode::CliOutputIsInput, L"файл «%1» — входные данные расчёта (%2); отчёт не записан поверх него"},
    {MessageCode::CliOutputTwice, L"файл «%1» назван для двух выводов"},
    {MessageCode::CliLogUnwritable,
     L"журнал изменений «%1.log» не записывается (папка только для чтения?): изменения таблицы не учтены в "
     L"журнале; расчёт продолжается"},
    {MessageCode::CliNotReplaceable,
     L"файл «%1» уже есть и это не %2 этой программы: он не заменён (назовите другой файл)"},
    {MessageCode::KindReportDocument, L"документ отчёта (--xml)"},
    {MessageCode::KindReportPage, L"страница отчёта (--html)"},
    {MessageCode::KindReportJson, L"отчёт для программ (--json)"},
    {MessageCode::KindReportCsv, L"результаты для электронных таблиц (--csv)"},
    // The command line: report
    {MessageCode::CliNoMassRefused,
     L"Эту хроматограмму невозможно выбрать, поскольку масса пробы не указана. (%1)"},
    {MessageCode::CliNoMassLeftOut, L"у хроматограммы %1 не указана масса пробы; она не учтена"},
    {MessageCode::CliNothingTicked, L"ни одна хроматограмма не отмечена: расчёт пуст"},
    {MessageCode::CliWarning, L"предупреждение: %1"},
    {MessageCode::CliComponentsNotRead, L"таблица компонентов не прочитана"},
    {MessageCode::CliComponentsEmpty, L"таблица компонентов пуста"},
    {MessageCode::CliLimitsError, L"файл норм: %1"},
    {MessageCode::CliComponentsNotReadOrEmpty, L"таблица компонентов не прочитана или пуста: «%1»"},
    {MessageCode::CliTotalOxygenLine, L"Общее содержание органически связанного кислорода: %1 %% масс."},
    {MessageCode::CliTotalOxygenNoResult, L"Общее содержание органически связанного кислорода: %1 — %2"},
    {MessageCode::CliLimitsHeading, L"Соответствие нормам:"},
    {MessageCode::CliVerdictLine, L"%1: %2 %3 при норме не более %4 — %5"},
    {MessageCode::CliGuardBand, L"(R %1, w %2, предел приёмки %3)"},
    {MessageCode::LoadNotInDatabase, L"хроматограммы %1 нет в базе данных; она пропущена"},
    {MessageCode::LoadNotLoadedSkipped, L"хроматограмма %1 не загружена; она пропущена"},
    {MessageCode::LoadNotLoadedWhySkipped, L"хроматограмма %1 не загружена (%2); она пропущена"},
    // The command line: batch
    {MessageCode::BatchRecordNotAdded,
     L"запись о файле «%1» не добавлена в %2: следующий пакет не заменит этот файл"},
    {MessageCode::BatchCutShortPlaced, L"отчёты серии «%1», прерванные прежним пакетом, поставлены на место"},
    {MessageCode::BatchCutShortRewritten,
     L"отчёты серии «%1», прерванные прежним пакетом, не все поставлены на место: серия пишется заново"},
    {MessageCode::BatchFolderTakenReports, L"папку «%1» занял другой пакет: отчёты серии не записаны"},
    {MessageCode::BatchCommitNotRecorded, L"запись в %1 не добавлена: отчёты серии не записаны"},
    {MessageCode::BatchProgress, L"[%1/%2] %3 (%4): %5"},
    {MessageCode::BatchProgressOxygen, L"%1 опр., кислород %2 %% масс."},
    {MessageCode::BatchProgressUndetermined, L"%1 опр., кислород не определено (%2)"},
    {MessageCode::BatchPreviousNotKept,
     L"прежняя страница «%1» не сохранена под другим именем: %2; новая не записана"},
    {MessageCode::CliQcFileError, L"файл контроля качества: %1"},
    {MessageCode::CliQcFileLine, L"файл контроля качества, строка %1: %2"},
    {MessageCode::BatchLockBeingWritten, L"файл «%1» ещё записывается"},
    {MessageCode::BatchLockHeldBy, L"его ведёт %1 (процесс %2) с %3"},
    {MessageCode::BatchFolderBusyWaiting, L"папка «%1» занята другим пакетом: %2; ждём до %3 с"},
    {MessageCode::BatchFolderNotLocked, L"папка «%1» не закрыта для других пакетов: файл «%2» не создан: %3"},
    {MessageCode::BatchFolderBusy, L"папка «%1» занята другим пакетом: %2; пакет не запущен"},
    {MessageCode::BatchFolderBusyElsewhere, L"Если на том компьютере пакет уже не идёт, удалите файл «%1»"},
    {MessageCode::BatchFolderNotMade, L"папка отчётов «%1» не создана: %2"},
    {MessageCode::CliFromAfterTo, L"--from позже --to: в эти даты анализов нет"},
    {MessageCode::BatchFolderTakenIndex, L"папку «%1» занял другой пакет: страница пакета не записана"},
    {MessageCode::BatchNoAnalyses, L"в выбранные даты анализов нет"},
    {MessageCode::BatchIndexNotCreated, L"документ страницы пакета не создан"},
    {MessageCode::QcLogUnwritable,
     L"журнал изменений «%1.log» не записывается (папка только для чтения?): изменения файла контроля не "
     L"учтены в журнале; расчёт продолжается"},
    {MessageCode::QcFileChangedOutside,
     L"файл контроля качества «%1» изменён вне модуля: изменение записано в его журнал"},
    {MessageCode::QcLogNotTrusted, L"журналу изменений файла контроля качества «%1» нельзя доверять: %2"},
    // The command line: qc
    {MessageCode::QcSummary,
     L"Карта %1. %2: %3 результатов, не пройдено %4, не определено %5, не оценено %6; %7"},
    {MessageCode::QcSummaryEstablished, L"пределы установлены %1 по %2 результатам"},
    {MessageCode::QcSummaryEstablishedProvisional,
     L"пределы установлены %1 по %2 результатам (предварительные)"},
    {MessageCode::QcSummaryNone, L"пределы не установлены, предварительных нет: %1"},
    {MessageCode::QcSummaryProvisional, L"пределы не установлены, предварительные по %1 результатам"},
    {MessageCode::QcLimitsLine,
     L"средняя линия %1, пределы 3σ %2 … %3, средний скользящий размах %4, его предел %5 (%6)"},
    {MessageCode::QcLimitsLineAccepted,
     L"средняя линия %1, пределы 3σ %2 … %3, средний скользящий размах %4, его предел %5 (%6, результат − "
     L"принятое)"},
    {MessageCode::QcDocumentNotCreated, L"документ контрольных карт не создан"},
    {MessageCode::QcNotEstablished, L"Карта %1. %2: пределы не установлены: %3"},
    {MessageCode::QcNotEstablishedKept,
     L"Карта %1. %2: пределы не установлены: %3; остаются установленные %4"},
    {MessageCode::QcLimitsNotRecorded, L"пределы не записаны в файл контроля качества «%1»: %2"},
    {MessageCode::QcLimitsNotLoggedAfter,
     L"пределы записаны в «%1», но журнал изменений «%1.log» не записан"},
    {MessageCode::QcEstablishedLine, L"Карта %1. %2: пределы установлены по %3 результатам (%4 – %5): %6"},
    {MessageCode::QcNoQcFile, L"файла контроля качества «%1» нет (он лежит рядом с таблицей компонентов)"},
    {MessageCode::QcNotAllEstablished, L"пределы контроля качества установлены не для всех карт"},
    {MessageCode::QcNoSeries, L"в выбранные даты серий контрольных проб нет"},
    {MessageCode::QcFileUnreadable, L"файл не читается"},
    {MessageCode::QcFileChangedSinceRead, L"файл изменён после того, как был прочитан; повторите команду"},
    {MessageCode::QcFileWouldReadAsUtf8, L"в кодировке Windows-1251 файл читался бы как UTF-8"},
    {MessageCode::QcFileUnrepresentable,
     L"в тексте «%1» есть знак, которого нет в кодировке файла (Windows-1251)"},
    {MessageCode::QcTemporaryNotMade, L"временный файл рядом с ним не создан: %1"},
    {MessageCode::QcTemporaryNotWritten, L"временный файл рядом с ним не записан"},
    {MessageCode::QcFileNotReplaced, L"файл не заменён (открыт в другой программе или только для чтения)"},
    // The command line: verify
    {MessageCode::VerifyInputsHeading, L"Исходные данные сейчас против записанных в отчёте:"},
    {MessageCode::VerifyInputsMatch, L"совпадают"},
    {MessageCode::VerifyRebuiltHeading, L"Отчёт, составленный заново по нынешним исходным данным:"},
    {MessageCode::VerifyRebuiltMatches, L"совпадает с записанным"},
    {MessageCode::VerifyDifference, L"%1: в отчёте «%2», сейчас «%3»"},
    {MessageCode::VerifyNotRead, L"не прочитан"},
    {MessageCode::VerifyFileGone, L"не проверить: %1 «%2» нет или он не читается"},
    {MessageCode::VerifyFileChanged, L"%1 «%2» изменён: SHA-256 %3 → %4"},
    {MessageCode::VerifyLogNotAnchored,
     L"журнал изменений %1 «%2» есть, а отчёт не указывает ни одной его записи"},
    {MessageCode::VerifyLogBroken, L"журнал изменений %1 «%2»: %3"},
    {MessageCode::OfComponentsTable, L"таблицы компонентов"},
    {MessageCode::OfLimitsFile, L"файла норм"},
    {MessageCode::OfQcFile, L"файла контроля качества"},
    {MessageCode::WhatChromatogramFile, L"файл хроматограммы"},
    {MessageCode::WhatLimitsFile, L"файл норм"},
    {MessageCode::WhatQcFile, L"файл контроля качества"},
    {MessageCode::WhatDensitiesFileShort, L"файл плотностей"},
    {MessageCode::VerifyUnverifiable, L"не проверить: %1"},
    {MessageCode::VerifyNoQcFile, L"не проверить: файла контроля качества «%1» нет"},
    {MessageCode::VerifyQcFileNotNamed,
     L"рядом с таблицей компонентов есть файл контроля качества «%1», а отчёт пакета его не называет: "
     L"отметка контроля качества не записана"},
    {MessageCode::VerifyNoFirstAnalysis, L"не проверить: первого анализа серии (%1) нет в базе данных"},
    {MessageCode::VerifyNoDensity,
     L"не проверить: плотности пробы «%1» нет в файле плотностей; взята записанная в отчёте"},
    {MessageCode::VerifyNoDatabase, L"не проверить: базы данных «%1» нет"},
    {MessageCode::VerifyDatabaseUnreadable, L"не проверить: база данных «%1» не читается: %2"},
    {MessageCode::ReportUnreadable, L"файл отчёта «%1» не читается"},
    {MessageCode::ReportLacks, L"в отчёте нет «%1»"},
    {MessageCode::ReportWrongKind, L"«%1» в отчёте — не %2"},
    {MessageCode::ReportOutOfRange, L"«%1» в отчёте — вне пределов, которые программа записывает"},
    {MessageCode::KindObject, L"объект"},
    {MessageCode::KindString, L"строка"},
    {MessageCode::KindNumber, L"число"},
    {MessageCode::KindInteger, L"целое число"},
    {MessageCode::KindBoolean, L"true или false"},
    {MessageCode::KindArray, L"массив"},
    {MessageCode::KindSha256, L"SHA-256"},
    {MessageCode::KindEntryCount, L"число записей"},
    {MessageCode::KindMaker, L"«plugin», «report» или «batch»"},
    {MessageCode::KindUtcTime, L"время UTC"},
    {MessageCode::KindEitherOf, L"«%1» или «%2»"},
    {MessageCode::ReportNotJson, L"отчёт для программ не читается как JSON"},
    {MessageCode::ReportNotOxycalc, L"это не отчёт oxycalc"},
    {MessageCode::ReportOtherVersion, L"версия формата отчёта %1, а проверяется версия %2"},
    {MessageCode::ReportOlderVersion,
     L"версия формата отчёта %1, а проверяется версия %2 (отчёт сделан прежней версией программы)"},
    {MessageCode::ReportNotXml, L"документ отчёта не читается как XML"},
    {MessageCode::ReportChromatogramTwice, L"хроматограмма %1 записана в отчёте дважды"},
    {MessageCode::ReportKeyTwice, L"ключ «%1» записан дважды в «%2»"},
    {MessageCode::ReportTooDeep, L"в отчёте вложено глубже %1 уровней (в «%2»)"},
    {MessageCode::ReportWhole, L"отчёт"},
    {MessageCode::ReportDocumentWhole, L"документ"},
    {MessageCode::ReportXmlComment, L"комментарий"},
    {MessageCode::ReportXmlInstruction, L"инструкция обработки"},
    {MessageCode::ReportXmlCdata, L"раздел CDATA"},
    {MessageCode::ReportXmlDoctype, L"объявление типа документа"},
    {MessageCode::ReportXmlDeclarationLate, L"объявление XML не в начале документа"},
    {MessageCode::ReportXmlForeign, L"в документе отчёта — %1 (в «%2»): программа его не пишет"},
    {MessageCode::ReportXmlAttribute, L"у элемента «%1» атрибут «%2»: программа атрибутов не пишет"},
    {MessageCode::ReportXmlTooDeep, L"в документе отчёта вложено глубже %1 уровней"},
    // The command line: history
    {MessageCode::HistoryNoLog, L"журнала изменений «%1» нет или он пуст"},
    {MessageCode::HistoryLogBroken, L"Журнал нарушен: запись %1 — %2."},
    {MessageCode::HistoryLogIntact,
     L"Журнал цел: записей %1, файл таблицы совпадает с последней записью, каждая версия таблицы сохранена и "
     L"её изменения совпадают с записью."},
    {MessageCode::HistorySavesWithoutReason,
     L"Сохранения без причины: записи %1 (причину записывает oxycalc-cli history ФАЙЛ --reason \"…\" --entry "
     L"N)."},
    {MessageCode::HistoryUnanchored,
     L"Запись %1 (%2) — последняя: ни одна запись журнала её не закрепляет, и её можно переписать так, что "
     L"журнал останется цел. Её закрепляет только отчёт, сделанный после неё: verify такого отчёта найдёт "
     L"подмену. Записи после той, на которую указывает последний отчёт, не закреплены ничем."},
    {MessageCode::HistoryNoLogFile, L"журнала изменений «%1» нет"},
    {MessageCode::HistoryReasonNotWrittenBroken, L"журнал нарушен (запись %1 — %2): причина не записана"},
    {MessageCode::HistoryNotASave, L"запись %1 — не сохранение и не изменение таблицы: причина не записана"},
    {MessageCode::HistoryNoSuchEntry, L"записи %1 в журнале нет: причина не записана"},
    {MessageCode::HistoryNoSave, L"в журнале нет сохранения в модуле: причина не записана"},
    {MessageCode::HistoryLogNotWritten, L"журнал изменений «%1» не записан"},
    {MessageCode::LogChainStartRemoved, L"первая запись ссылается на предыдущую: начало журнала удалено"},
    {MessageCode::LogChainBroken, L"запись не продолжает предыдущую: запись перед ней удалена или изменена"},
    {MessageCode::LogNumberMisplaced, L"номер записи %1 не на своём месте"},
    {MessageCode::LogEmpty, L"в журнале нет записей"},
    {MessageCode::LogTableNotLast,
     L"файл таблицы не совпадает с последней записью: изменён без записи в журнал"},
    {MessageCode::LogTableUnreadable, L"файл таблицы не читается"},
    {MessageCode::LogVersionMissing, L"версии таблицы %1, названной записью, нет в папке версий"},
    {MessageCode::LogVersionAltered, L"версия таблицы %1 в папке версий изменена: её SHA-256 другой"},
    {MessageCode::LogChangesDiffer,
     L"изменения, названные записью, не те, что между версиями таблицы до и после неё"},
    {MessageCode::LogShortened,
     L"в журнале %1 записей, а при отчёте было %2: журнал укорочен или начат заново"},
    {MessageCode::LogRewritten, L"запись %1 не та, что была последней при отчёте: журнал переписан"},
    // A change log's entries as the program writes them (in Russian, the log's language) and prints them
    {MessageCode::LogEntryNumber, L"Номер записи: %1"},
    {MessageCode::LogEntryLocal, L"Местное время: %1"},
    {MessageCode::LogEntryUser, L"Пользователь: %1"},
    {MessageCode::LogEntryProgram, L"Программа: %1"},
    {MessageCode::LogEntryEvent, L"Событие: %1"},
    {MessageCode::LogEntryExplains, L"К записи: %1"},
    {MessageCode::LogEntryReason, L"Причина: %1"},
    {MessageCode::LogEntryChanges, L"Изменения:"},
    {MessageCode::LogEntryNotes, L"Пояснения:"},
    {MessageCode::LogEntryFile, L"SHA-256 файла: %1"},
    {MessageCode::LogEntryPrevious, L"SHA-256 предыдущей записи: %1"},
    {MessageCode::LogEventStarted, L"журнал начат"},
    {MessageCode::LogEventStartedAnew, L"журнал начат заново"},
    {MessageCode::LogEventSaved, L"сохранено в модуле"},
    {MessageCode::LogEventChangedOutside, L"изменено вне модуля"},
    {MessageCode::LogEventLimitsEstablished, L"установлены контрольные пределы"},
    {MessageCode::LogEventNewDefault, L"новая таблица по умолчанию: %1"},
    {MessageCode::LogDefaultSha256, L"SHA-256 таблицы по умолчанию: %1"},
    {MessageCode::LogEventReasonGiven, L"указана причина"},
    {MessageCode::LogRowChanged, L"строка «%1»: %2 «%3» → «%4»"},
    {MessageCode::LogFieldNumber, L"поле %1"},
    {MessageCode::LogHeaderChanged, L"строка заголовка: «%1» → «%2»"},
    {MessageCode::LogRowAdded, L"добавлена строка «%1»: %2"},
    {MessageCode::LogRowRemoved, L"удалена строка «%1»: %2"},
    {MessageCode::LogVersionSeenBefore,
     L"эта версия таблицы уже сохранялась модулем: возвращена прежняя версия или из журнала удалена запись"},
    {MessageCode::LogPreviousNotKept, L"прежняя версия не сохранена: различия не показаны"},
    {MessageCode::LogBegunAnew, L"прежнего журнала нет, а версии таблицы сохранены: журнал был удалён"},
    {MessageCode::LogReasonFor, L"причина к записи %1 (%2, %3, %4)"},
    {MessageCode::LogLimitsChange, L"карта «%1» (строка %2): %3"},
    {MessageCode::LogCentreLineChange, L"средняя линия %1 → %2"},
    {MessageCode::LogMovingRangeChange, L"средний скользящий размах %1 → %2"},
    {MessageCode::Log3SigmaChange, L"пределы 3σ %1 → %2"},
    {MessageCode::LogBaselineChange, L"базовый период %1 → %2"},
    {MessageCode::LogBaselineResults, L"%1 результатов, %2 – %3"},
    // The command line's help (--help)
    {MessageCode::CliUsage,
     L"Расчёт органических кислородсодержащих соединений и общего содержания органически\n"
     L"связанного кислорода по ГОСТ EN 13132-2012 без окна: пакетный режим модуля oxycalc.\n"
     L"\n"
     L"Использование:\n"
     L"  oxycalc-cli report --db ПУТЬ --assay ID [--assay ID ...] [--tick ID ... | --tick-all]\n"
     L"                     [--density ТЕКСТ] [--standard ТЕКСТ] --components ПУТЬ\n"
     L"                     [--limits ФАЙЛ] [--xml ФАЙЛ] [--html ФАЙЛ [--xsl ПУТЬ]]\n"
     L"                     [--json ФАЙЛ] [--csv ФАЙЛ] [--lang ru|en]\n"
     L"  oxycalc-cli batch --db ПУТЬ --components ПУТЬ --standard ТЕКСТ --densities ФАЙЛ\n"
     L"                    --out ПАПКА [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--limits ФАЙЛ]\n"
     L"                    [--xsl ПУТЬ] [--series-gap ЧАСЫ] [--wait СЕКУНДЫ] [--lang ru|en]\n"
     L"  oxycalc-cli qc --db ПУТЬ --components ПУТЬ --standard ТЕКСТ --densities ФАЙЛ\n"
     L"                 --out ПАПКА [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--xsl ПУТЬ]\n"
     L"                 [--series-gap ЧАСЫ] [--lang ru|en]\n"
     L"  oxycalc-cli qc --establish [--qc-baseline ГГГГ-ММ-ДД ГГГГ-ММ-ДД] --reason ТЕКСТ\n"
     L"                 --db ПУТЬ --components ПУТЬ --standard ТЕКСТ --densities ФАЙЛ\n"
     L"                 [--out ПАПКА] [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--xsl ПУТЬ]\n"
     L"                 [--series-gap ЧАСЫ]\n"
     L"  oxycalc-cli verify ОТЧЁТ [--register РЕЕСТР] [--lang ru|en]\n"
     L"  oxycalc-cli history ФАЙЛ [--reason ТЕКСТ [--entry N]] [--lang ru|en]\n"
     L"  oxycalc-cli register --start ШАБЛОН [--first N] [--register ФАЙЛ] [--components ПУТЬ]\n"
     L"                       [--lang ru|en]\n"
     L"  oxycalc-cli register --use РЕЕСТР [--components ПУТЬ] [--lang ru|en]\n"
     L"  oxycalc-cli issue ПРОЕКТ [--register ФАЙЛ] [--lang ru|en]\n"
     L"  oxycalc-cli amend НОМЕР ПРОЕКТ --reason ТЕКСТ [--register ФАЙЛ] [--lang ru|en]\n"
     L"  oxycalc-cli amend НОМЕР --withdraw --reason ТЕКСТ [--register ФАЙЛ] [--components ПУТЬ]\n"
     L"                    [--xsl ПУТЬ] [--lang ru|en]\n"
     L"  oxycalc-cli --help\n"
     L"\n"
     L"Параметры:\n"
     L"  --db ПУТЬ          база данных хроматограмм (SQLite), только чтение\n"
     L"  --assay ID         номер хроматограммы в базе; повторяется, порядок сохраняется,\n"
     L"                     повтор номера загружает хроматограмму один раз, номер без записи\n"
     L"                     в базе сообщается и пропускается\n"
     L"  --tick ID          отметить хроматограмму для расчёта (повторяется; ID из --assay)\n"
     L"  --tick-all         отметить все загруженные хроматограммы с массой пробы\n"
     L"                     хроматограмму без массы пробы отметить нельзя: она сообщается\n"
     L"                     и не учитывается, расчёт продолжается (код 1)\n"
     L"  --density ТЕКСТ    плотность пробы, кг/м³ (точка или запятая); не задана или\n"
     L"                     пуста — 1\n"
     L"  --standard ТЕКСТ   внутренний стандарт (имя компонента, регистр не важен)\n"
     L"  --components ПУТЬ  файл таблицы компонентов (CompsTableOxycalc.csv); открывается\n"
     L"                     монопольно, как в модуле\n"
     L"  --limits ФАЙЛ      файл норм (например LimitsOxycalc-EN228-E10.csv): результаты\n"
     L"                     сравниваются с нормами, выводы печатаются и входят в отчёт\n"
     L"  --xml ФАЙЛ         записать документ отчёта (UTF-8 XML)\n"
     L"  --html ФАЙЛ        записать отчёт HTML, преобразованный таблицей стилей\n"
     L"  --xsl ПУТЬ         таблица стилей для --html; по умолчанию Report.xsl из папки\n"
     L"                     данных модуля (Общие документы\\Veltar4\\oxycalc)\n"
     L"  --json ФАЙЛ        записать отчёт для программ (LIMS): JSON постоянной структуры\n"
     L"  --csv ФАЙЛ         записать результаты для электронных таблиц: по-русски «;» и\n"
     L"                     десятичная запятая, с --lang en «,» и точка; UTF-8 с меткой\n"
     L"                     порядка байтов\n"
     L"  --lang ru|en       язык отчётов, страниц (report, batch, qc) и всего, что\n"
     L"                     печатается в консоли: ru — русский (по умолчанию), en —\n"
     L"                     английский; таблицы стилей по умолчанию тогда Report.ENU.xsl,\n"
     L"                     BatchIndex.ENU.xsl, QcChart.ENU.xsl; журналы изменений\n"
     L"                     пишутся по-русски, history печатает их на языке --lang\n"
     L"  Файл вывода не может совпадать с входным файлом (база, таблица компонентов,\n"
     L"  хроматограмма, таблица стилей) или с другим файлом вывода, лежать в журнале или\n"
     L"  папке версий таблицы (и по ссылке) и заменять файл, который не является таким\n"
     L"  же выводом этой программы или пуст (файл контроля, плотностей, таблицу стилей) (код 2).\n"
     L"\n"
     L"Пакетный расчёт (batch): анализы базы (без градуировок) собираются в серии\n"
     L"параллельных определений — анализы одной пробы ([assay].sample), сделанные друг\n"
     L"за другом не более чем через --series-gap часов (12) между соседними. Берутся\n"
     L"серии, первый анализ которых попал в даты --from…--to (включительно, местное\n"
     L"время); серия берётся целиком, даже если её анализы продолжаются после --to.\n"
     L"Для каждой серии берётся плотность из файла плотностей (строки «проба;плотность»),\n"
     L"отмечаются все хроматограммы с массой пробы, и в папку --out пишутся её отчёты\n"
     L"(HTML, XML, JSON, CSV) с именем по времени первого анализа и пробе\n"
     L"(2024-03-14_0912_АИ-95-К5_партия_2417.html) — вместе, только целиком. Файл папки,\n"
     L"который пакет не записывал для этой серии (или который изменён после записи), не\n"
     L"заменяется: серия указывается с причиной. Записи о файлах пакета хранятся в\n"
     L"oxycalc-batch-files.txt в той же папке. Страница index.html перечисляет серии со\n"
     L"всеми предупреждениями и выводами (таблица стилей BatchIndex.xsl из папки таблицы\n"
     L"стилей отчёта); прежняя index.html сохраняется как index-<её даты>.html. Серия без\n"
     L"плотности или без хроматограмм с массой указывается с причиной. По строке хода\n"
     L"расчёта на серию — в стандартный поток ошибок; код 1, если у какой-либо серии\n"
     L"есть предупреждение, неопределённый вывод, превышение r или она не рассчитана.\n"
     L"Имя файлов серии даётся один раз, при первой записи, и остаётся за ней в любом\n"
     L"часовом поясе: серия узнаётся по первому анализу (номеру и времени UTC).\n"
     L"В папке работает один пакет за раз (файл oxycalc-batch.lock называет его:\n"
     L"пользователь@компьютер, процесс, с какого времени); второй ждёт --wait секунд\n"
     L"(60) и, если папка всё ещё занята, не запускается (код 2). Файл блокировки\n"
     L"процесса, которого уже нет на этом компьютере, не мешает. Пакет, прерванный на\n"
     L"полпути (Ctrl+C, закрытое окно, снятый процесс), оставляет каждую серию целой\n"
     L"или прежней; незаконченное следующий пакет в этой папке доводит до конца, а\n"
     L"временные файлы (папка oxycalc-batch-staging) удаляет.\n"
     L"\n"
     L"Контроль качества (batch и qc): файл QcOxycalc.csv рядом с таблицей компонентов\n"
     L"(правила чтения те же, строка заголовка необязательна, «#» — комментарий) задаёт\n"
     L"по строке на контрольную карту: контрольная проба (имя пробы в базе, регистр не\n"
     L"важен); компонент (имя пика; пусто — общее содержание кислорода); «%% масс.» или\n"
     L"«%% об.»; принятое значение (необязательно: на карте тогда результат минус оно);\n"
     L"допуск ± (необязательно, только с принятым значением); затем установленные\n"
     L"пределы, которые пишет qc --establish. Каждая серия контрольной пробы даёт по\n"
     L"результату на строку; плотность пробы берётся из файла плотностей. Строка, проба\n"
     L"которой в базе — одна серия, — ошибка: контрольную пробу анализируют раз за\n"
     L"разом, одна серия — анализ обычной пробы (она и рассчитывается как обычная).\n"
     L"Карты индивидуальных значений и скользящих размахов строятся по всем сериям\n"
     L"контрольной пробы в базе, какие бы даты ни были выбраны; показываются серии\n"
     L"выбранных дат. Пределы (среднее ± 2,66·MR̄, предел MR 3,267·MR̄) лаборатория\n"
     L"устанавливает один раз: qc --establish --reason \"…\" берёт базовый период — первые\n"
     L"20 используемых результатов карты в базе или серии дат --qc-baseline (включительно)\n"
     L"— и записывает пределы в файл контроля, а в его журнал (QcOxycalc.csv.log) — кто,\n"
     L"когда, почему, прежние пределы и новые; пересмотр — та же команда с новой\n"
     L"причиной. Результаты после базового периода судятся по записанным пределам в\n"
     L"каждом следующем batch и qc. До установки (и до конца базового периода) результат\n"
     L"судится по предварительным пределам из результатов этой карты, сделанных до него\n"
     L"(первые 20 используемых, кроме не пройденных); если их меньше 5, он не оценён.\n"
     L"Правила: 1 — точка за пределом 3σ; 2 — 2 из 3 подряд за 2σ по одну сторону;\n"
     L"3 — 4 из 5 подряд за 1σ по одну сторону; 4 — 8 подряд по одну сторону от средней\n"
     L"линии; 5 — скользящий размах выше предела (кроме возврата от точки, нарушившей\n"
     L"правило: такой размах отнесён к ней, что сказано у точки). Результат, основа\n"
     L"которого не определена (стандарт не найден, компонент не найден и т. п.),\n"
     L"показывается, но не используется. Анализ, между которым и не пройденным контролем\n"
     L"(вне контроля или вне допуска) нет контроля в норме, — сделанный после последнего\n"
     L"контроля в норме и до конца серии не пройденного (в том числе между его\n"
     L"параллельными) или после не пройденного и до следующего в норме, — ставит свою\n"
     L"серию «под сомнением: контроль качества не пройден» в строке страницы пакета, в\n"
     L"отчёте и в JSON (код 1); «подтверждено» — только контролем в норме после серии,\n"
     L"без него — «ещё не подтверждено контролем качества». Если в выбранные даты есть\n"
     L"результаты контроля, но ни один не оценён, это сообщается (код 1). Страница\n"
     L"пакета показывает карты, qc.json — те же точки, пределы и нарушения для программ\n"
     L"(прежний сохраняется как qc-<даты>.json).\n"
     L"Команда qc рассчитывает только серии контрольных проб и пишет в папку --out\n"
     L"страницу qc.html (таблица стилей --xsl, по умолчанию QcChart.xsl из папки данных\n"
     L"модуля) и qc.json, заменяя прежние; код 1, если результат контроля не пройден\n"
     L"или не определён, ни один не оценён, файл контроля содержит ошибки или\n"
     L"результатов нет. С --establish она устанавливает пределы каждой карты и, если\n"
     L"задана --out, рисует карты с ними; код 1, если пределы какой-либо карты не\n"
     L"установлены или файл контроля не записан.\n"
     L"\n"
     L"Проверка отчёта (verify): отчёт (XML или JSON, от модуля или от oxycalc-cli)\n"
     L"записывает, как он сделан (настройки, программа), и исходные данные — файлы\n"
     L"хроматограмм, таблицы компонентов, норм, плотностей, контроля качества и стилей с их\n"
     L"SHA-256 и местом журналов изменений, строки базы данных, на которых стоят числа.\n"
     L"verify сверяет записанные файлы с нынешними (по SHA-256, журналы — по записи, на\n"
     L"которую указывает отчёт), затем составляет отчёт заново по записанным настройкам из\n"
     L"нынешних данных и сравнивает его с записанным поле за полем, называя каждое различие.\n"
     L"Код 0 — всё совпадает, 1 — есть различия или исходных данных нет, 2 — отчёт не\n"
     L"читается (назван недостающий или неверный ключ).\n"
     L"\n"
     L"Журнал изменений (history): таблица компонентов, файл норм и файл контроля ведут журнал\n"
     L"изменений рядом с собой (ИМЯ.log, версии — в папке ИМЯ.versions): сохранение в модуле,\n"
     L"изменение вне модуля, найденное при следующем чтении, установка пределов контроля. history печатает\n"
     L"журнал и проверяет его: каждая запись продолжает предыдущую (SHA-256), номера идут\n"
     L"по порядку, файл совпадает с последней записью, версия таблицы каждой записи сохранена\n"
     L"и изменения между версиями те, что названы в записи; называет сохранения без причины и\n"
     L"говорит, что последнюю запись не закрепляет ничто в журнале (её закрепляет только\n"
     L"отчёт, сделанный после неё). Код 0 — журнал цел, 1 — нарушен (названа первая неверная\n"
     L"запись), 2 — журнала нет.\n"
     L"С --reason ТЕКСТ history записывает новой записью журнала причину сохранения в модуле\n"
     L"(или изменения вне модуля) — последнего сохранения или записи --entry N; запись\n"
     L"называет ту, к которой дана причина, и кто, где и когда её дал. Код 0 — записана,\n"
     L"1 — журнал нарушен или не записывается (ничего не добавлено), 2 — журнала или такой\n"
     L"записи нет.\n"
     L"\n"
     L"Результаты печатаются в стандартный вывод, сообщения и предупреждения (стандарт не\n"
     L"задан или не найден в таблице компонентов, хроматограмма без именованных пиков или\n"
     L"без пика стандарта, компонент найден не во всех параллельных определениях,\n"
     L"концентрация пика не задана, у компонента нет молярной массы или плотности) — в\n"
     L"стандартный поток ошибок. Время анализа выводится в местном часовом поясе (TZ).\n"
     L"Результаты вне области применения метода (компонент ниже 0,17 или выше 15 %% масс.,\n"
     L"кислород выше 3,7 %% масс.) отмечаются в отчёте; выводы о нормах от этого не меняются.\n"
     L"\n"
     L"Коды завершения:\n"
     L"  0  успешно: каждая хроматограмма из --assay загружена с массой пробы, каждая\n"
     L"     отметка принята, у расчёта нет предупреждений и каждый вывод о норме определён\n"
     L"  1  базу данных или файл нельзя использовать, хроматограмма не загружена или без\n"
     L"     массы пробы, отметка отклонена, ничего не отмечено, таблица компонентов пуста,\n"
     L"     у расчёта есть предупреждение, вывод о норме не определён или файл норм\n"
     L"     содержит ошибки; отчёт записан по тому, что можно было учесть\n"
     L"  2  неверная командная строка, значение не является числом, файл вывода совпадает\n"
     L"     с входным; ничего не записано\n"},
    // The register of issued reports
    {MessageCode::PatternLength, L"шаблон номера пуст или длиннее %1 знаков"},
    {MessageCode::PatternCharacter,
     L"в шаблоне номера знак «%1», которого не может быть в имени файла (номер называет файлы отчёта)"},
    {MessageCode::PatternBrace,
     L"в фигурных скобках шаблона номера может стоять только {YYYY} (год) или {NNNNN} (счётчик, от 1 до 12 "
     L"N)"},
    {MessageCode::PatternCounter,
     L"в шаблоне номера должен быть ровно один счётчик {NNNNN} и не больше одного года {YYYY}"},
    {MessageCode::RegisterNotAnEntry, L"это не запись реестра: текст вставлен или запись повреждена"},
    {MessageCode::RegisterChainBroken,
     L"она не продолжает предыдущую (её SHA-256 предыдущей записи не тот): запись перед ней удалена или "
     L"изменена"},
    {MessageCode::RegisterOutOfPlace, L"её номер записи не на своём месте"},
    {MessageCode::RegisterNotBegun, L"реестр начинается не записью «реестр начат»"},
    {MessageCode::RegisterBegunTwice, L"реестр начат второй раз"},
    {MessageCode::RegisterCounterOutOfTurn,
     L"её счётчик номера не следует за предыдущим: номер повторён или пропущен"},
    {MessageCode::RegisterUnreadable, L"файл дальше не читается"},
    {MessageCode::RegisterEmpty, L"файл пуст"},
    {MessageCode::RegisterBroken,
     L"Реестру отчётов «%1» нельзя доверять: запись %2 — %3. Отчёты не выпускаются, пока реестр не "
     L"восстановлен (из копии) или не проверен."},
    {MessageCode::RegisterMissing, L"Реестра отчётов «%1» нет или он не открывается: отчёт не выпущен."},
    {MessageCode::RegisterLockFailed,
     L"Реестр отчётов «%1» не закрыт для других: файл «%2» не создан (%3); отчёт не выпущен."},
    {MessageCode::RegisterBusyMaking,
     L"Реестр отчётов «%1» занят: файл «%2» ещё записывается; отчёт не выпущен, попробуйте ещё раз."},
    {MessageCode::RegisterBusy,
     L"Реестр отчётов «%1» занят: в него пишет %2 (процесс %3) с %4; отчёт не выпущен, попробуйте ещё раз."},
    {MessageCode::RegisterBusyElsewhere,
     L"Реестр отчётов «%1» занят: в него пишет %2 (процесс %3) с %4; отчёт не выпущен. Если на том "
     L"компьютере уже ничего не выпускается, удалите файл «%5»."},
    {MessageCode::RegisterLockLost,
     L"Реестр отчётов «%1» во время выпуска занял другой процесс: отчёт не выпущен."},
    {MessageCode::RegisterFolderNotMade, L"Папка «%1» не создана: %2; отчёт не выпущен."},
    {MessageCode::RegisterFileNotStaged,
     L"Файл «%1» выпускаемого отчёта не записан%2; отчёт не выпущен, номер не занят."},
    {MessageCode::RegisterNotAppended,
     L"Запись в реестр «%1» не добавлена: %2; отчёт не выпущен, номер не занят."},
    {MessageCode::RegisterFileNotPlaced,
     L"Файл «%1» отчёта № %2 не поставлен на место: %3. Номер записан в реестр; файл остался в «%4», "
     L"следующий выпуск поставит его на место."},
    {MessageCode::RegisterFileChanged,
     L"Файл «%1» отчёта № %2 изменён после выпуска (его SHA-256 не тот, что в записи %3 реестра): отчёты не "
     L"выпускаются, пока файл не возвращён."},
    {MessageCode::RegisterFileMissing,
     L"Файла «%1» отчёта № %2 (запись %3 реестра) нет ни на месте, ни в папке выпуска: отчёты не "
     L"выпускаются, пока файл не возвращён."},
    {MessageCode::RegisterCompleted,
     L"Файлы отчёта № %1, выпуск которого прервался после записи в реестр, поставлены на место."},
    {MessageCode::RegisterTailCut,
     L"В конце реестра «%1» была неполная запись прерванного выпуска; она удалена (номер по ней не "
     L"выдавался)."},
    {MessageCode::RegisterTailNotCut,
     L"Неполная запись в конце реестра «%1» не удалена: %2; отчёт не выпущен."},
    {MessageCode::RegisterNumberUnknown, L"Отчёта № %1 в реестре «%2» нет: заменять или отзывать нечего."},
    {MessageCode::RegisterNumberIsNotice, L"№ %1 — отзыв отчёта, а не отчёт: его не заменить и не отозвать."},
    {MessageCode::RegisterNumberAmended,
     L"Отчёт № %1 уже заменён отчётом № %2 от %3 (причина: %4): заменять и отзывать можно только действующий "
     L"отчёт."},
    {MessageCode::RegisterNumberWithdrawn,
     L"Отчёт № %1 уже отозван (отзыв № %2 от %3, причина: %4): заменять и отзывать можно только действующий "
     L"отчёт."},
    {MessageCode::RegisterNumberUsed,
     L"Файл «%1» уже есть, а номера %2 в реестре нет: реестр, похоже, возвращён из старой копии. Номер "
     L"повторно не выдаётся; отчёт не выпущен."},
    {MessageCode::RegisterExists, L"Реестр отчётов «%1» уже начат: шаблон номера задаётся один раз."},
    {MessageCode::RegisterNotCreated, L"Реестр отчётов «%1» не создан: %2"},
    {MessageCode::RegisterStarted, L"Реестр отчётов начат: «%1», номера по шаблону «%2», первый — %3."},
    {MessageCode::RegisterDraftIssued,
     L"Этот проект уже выпущен: отчёт № %1 от %2. Второй номер ему не даётся."},
    {MessageCode::RegisterSeriesIssued,
     L"Отчёт этой серии уже выпущен (№ %1 от %2), а её расчёт теперь другой: новый выпускается взамен "
     L"(oxycalc-cli amend %1 ПРОЕКТ --reason \"…\")."},
    {MessageCode::RegisterOtherSample,
     L"Проект — другой пробы («%1»), чем отчёт № %2 («%3»): взамен выпускается новый расчёт той же пробы; "
     L"отчёт не той пробы отзывают (--withdraw)."},
    {MessageCode::RegisterExportUnread,
     L"Для выгрузки в LIMS не прочитан выпущенный файл «%1»: выгрузка не записана; выпуск в силе."},
    {MessageCode::RegisterOff,
     L"Реестр отчётов не ведётся: рядом с таблицей компонентов «%1» нет RegisterOxycalc.txt (или ссылки на "
     L"реестр RegisterOxycalc.link). Лаборатория начинает его один раз: oxycalc-cli register --start "
     L"\"ОХ-{YYYY}-{NNNNN}\"."},
    {MessageCode::RegisterBesideAlready,
     L"Рядом с таблицей компонентов уже ведётся реестр «%1»: ссылка на «%2» не записана (модуль нашёл бы "
     L"свой реестр)."},
    {MessageCode::RegisterLinkNotWritten,
     L"Ссылка на реестр рядом с таблицей компонентов «%1» не записана: %2"},
    {MessageCode::RegisterLinked, L"С таблицей компонентов «%1» модуль и oxycalc-cli ведут реестр «%2»."},
    {MessageCode::RegisterCliBadPattern, L"шаблон номера «%1»: %2"},
    {MessageCode::RegisterCliNoValue, L"после %1 нет значения"},
    {MessageCode::RegisterCliTwice, L"%1 указан дважды"},
    {MessageCode::RegisterCliUnknown, L"неизвестный параметр %1"},
    {MessageCode::RegisterCliStartOrUse,
     L"после register ожидается --start \"ШАБЛОН\" [--first N] [--register ФАЙЛ] или --use РЕЕСТР"},
    {MessageCode::RegisterCliDraft, L"после issue ожидается один файл проекта (JSON или XML отчёта)"},
    {MessageCode::RegisterCliAmend,
     L"после amend ожидаются номер отчёта и файл проекта (или --withdraw вместо файла); --xsl — только с "
     L"--withdraw"},
    {MessageCode::RegisterCliReason,
     L"для amend нужна причина: --reason \"…\" (она войдёт в реестр и в новый отчёт)"},
    {MessageCode::RegisterCliFirst, L"--first «%1» — не целое число от 1"},
    {MessageCode::RegisterCliLanguage, L"--lang «%1» — не язык: ru или en"},
    {MessageCode::RegisterCliRegisterWithIssue, L"--register указывается у batch только вместе с --issue"},
    {MessageCode::RegisterCliHistoryReason,
     L"реестру отчётов причину не дают: причину замены или отзыва пишет oxycalc-cli amend"},
    {MessageCode::RegisterNotADraft,
     L"«%1» — не проект: это отчёт, выпущенный под № %2. Выпущенный отчёт меняют только новым отчётом взамен "
     L"(oxycalc-cli amend)."},
    {MessageCode::RegisterDraftNotVerified,
     L"Проект «%1» не подтверждается исходными данными, каковы они сейчас, и не выпущен; составьте проект "
     L"заново:"},
    {MessageCode::RegisterStylesheetWhat, L"таблица стилей страницы выпускаемого отчёта"},
    {MessageCode::RegisterIssuedLine, L"Выпущен отчёт № %1:"},
    {MessageCode::RegisterAmendedLine,
     L"Выпущен отчёт № %1 взамен отчёта № %2 (тот отмечен в реестре заменённым):"},
    {MessageCode::RegisterWithdrawnLine, L"Выпущен отзыв № %1: отчёт № %2 отозван:"},
    {MessageCode::RegisterPlaceNotOutput,
     L"файл «%1» — реестр отчётов или лежит в его папках; туда пишет только выпуск, отчёт не записан"},
    {MessageCode::RegisterIssuedNotReplaced,
     L"файл «%1» — выпущенный отчёт или отзыв: выпущенные отчёты ничем не заменяются (назовите другой файл)"},
    {MessageCode::RegisterHistoryStarted, L"%1. %2, %3: реестр начат, номера по шаблону «%4»"},
    {MessageCode::RegisterHistoryIssued, L"%1. %2, %3: выпущен отчёт № %4, проба «%5» (%6)"},
    {MessageCode::RegisterHistoryAmended,
     L"%1. %2, %3: выпущен отчёт № %4 взамен № %5 (причина: %6), проба «%7» (%8)"},
    {MessageCode::RegisterHistoryWithdrawn,
     L"%1. %2, %3: выпущен отзыв № %4 — отчёт № %5 отозван (причина: %6)"},
    {MessageCode::RegisterHistoryOther, L"%1. %2, %3: %4 (запись более новой версии программы)"},
    {MessageCode::RegisterHistoryFileGone, L"файла «%1» нет"},
    {MessageCode::RegisterHistoryHolds,
     L"Реестр цел: записей %1; выпущено отчётов %2, из них взамен прежних %3; отзывов %4."},
    {MessageCode::RegisterHistoryLast,
     L"Запись %1 — последняя: ни одна запись реестра её не закрепляет, её можно переписать так, что реестр "
     L"останется цел. Её закрепляет отчёт, выпущенный после неё (он хранит SHA-256 записи перед собой), и "
     L"копия реестра, сделанная после неё."},
    {MessageCode::VerifyRegisterTitle, L"По реестру отчётов:"},
    {MessageCode::VerifyDraft,
     L"это проект отчёта: не выпущен, номера у него нет; подписывать и передавать его нельзя"},
    {MessageCode::VerifyRegistered,
     L"отчёт № %1 выпущен: реестр «%2», запись %3 от %4; файл — тот, что выпущен"},
    {MessageCode::VerifyStandingExport,
     L"файл — выгрузка для LIMS того, чем стал отчёт № %1; кроме статуса его содержание то же, что у "
     L"выпущенного"},
    {MessageCode::VerifyNotIssuedFile,
     L"файл не тот, что выпущен под № %1: его SHA-256 (%2…) нет среди файлов записи %3 реестра"},
    {MessageCode::VerifyAnchorBroken,
     L"реестр «%1» переписан: запись %2 не та, что стояла перед выпуском этого отчёта"},
    {MessageCode::VerifyAmended, L"отчёт № %1 заменён отчётом № %2 от %3: %4"},
    {MessageCode::VerifyWithdrawn, L"отчёт № %1 отозван (отзыв № %2 от %3): %4"},
    {MessageCode::VerifyInForce, L"отчёт № %1 действует: его не заменяли и не отзывали"},
    {MessageCode::VerifyNotInRegister, L"№ %1 в реестре «%2» нет: этот реестр такого номера не выдавал"},
    {MessageCode::VerifyRegisterUnavailable,
     L"не проверить: реестра отчётов «%1» нет (укажите его: --register ФАЙЛ)"},
    {MessageCode::VerifyNotice, L"№ %1 — отзыв отчёта № %2, выпущен %3: %4; файл — тот, что выпущен"},
    {MessageCode::VerifyNoticeUnread, L"отзыв отчёта «%1» не читается"},
    {MessageCode::BatchIssued, L"выпущен отчёт № %1"},
    {MessageCode::BatchIssuedBefore, L"выпущен ранее: отчёт № %1"},
    {MessageCode::BatchNotIssued, L"отчёт не выпущен: %1"},
    {MessageCode::PluginIssueQuestion,
     L"Отчёт открыт как проект (на странице — ПРОЕКТ).\n\nВыпустить его под следующим номером реестра "
     L"отчётов? Выпущенный отчёт уже не изменяется: исправить его можно только новым отчётом взамен."},
    {MessageCode::PluginIssued, L"Отчёт выпущен: № %1.\n\nЕго файлы — в папке «%2»."},
    {MessageCode::PluginSignMenu, L"Подписать выпущенный отчёт…"},
    {MessageCode::PluginSignQuestion,
     L"Подписать отчёт № %1 как «%2»?\n\nСертификат подписи выбирается из хранилища сертификатов Windows; "
     L"ключ на токене или в криптопровайдере запросит свой PIN."},
    {MessageCode::PluginSignChooseReport, L"Какой выпущенный отчёт подписать?"},
    {MessageCode::PluginSignReportFilter, L"Выпущенные отчёты"},
    {MessageCode::PluginSignNoReport,
     L"Файл «%1» — не выпущенный отчёт реестра «%2»: выберите файл отчёта из его папки отчётов."},
    {MessageCode::PluginSignAllMade, L"У отчёта № %1 уже есть все подписи, которые ставит лаборатория: %2."},
    {MessageCode::PluginCertificateTitle, L"Сертификат подписи"},
    {MessageCode::PluginCertificatePrompt,
     L"Выберите свой сертификат: им отчёт № %1 будет подписан как «%2»."},
    {MessageCode::PluginCertificateNone,
     L"В хранилище сертификатов Windows нет ни одного действующего сертификата с закрытым ключом: "
     L"импортируйте свой (файл PKCS #12) или подключите токен и подпишите снова. Ничего не подписано."},
    {MessageCode::PluginCertificateChooserMissing,
     L"Окно выбора сертификата не открывается (%1): ничего не подписано."},
    {MessageCode::PluginSigned,
     L"Отчёт № %2 подписан — %1.\n\nПодпись и заявление — в реестре; страница с подписями: %3"},
    {MessageCode::RegisterUsage,
     L"\nРеестр выпущенных отчётов (register, issue, amend): лаборатория начинает его один раз,\nзадавая "
     L"шаблон номера: oxycalc-cli register --start \"ОХ-{YYYY}-{NNNNN}\" ({YYYY} — год\nвыпуска, {NNNNN} — "
     L"счётчик не меньше чем из стольких цифр; он идёт через годы, не\nповторяется и не идёт назад; --first "
     L"N — первый номер). Реестр RegisterOxycalc.txt\nложится рядом с таблицей компонентов (--components, по "
     L"умолчанию — папка данных\nмодуля) или в --register ФАЙЛ (общая папка: тогда рядом с таблицей пишется "
     L"ссылка\nRegisterOxycalc.link; другая рабочая станция присоединяется командой register --use\nРЕЕСТР). "
     L"Пока реестра нет, отчёты делаются как прежде. С реестром отчёт модуля, report\nи batch — проект "
     L"(ПРОЕКТ на странице, \"status\": \"draft\"), пока его не выпустят:\noxycalc-cli issue ПРОЕКТ.json "
     L"проверяет проект по исходным данным, как verify, даёт\nему следующий номер и пишет страницу, документ "
     L"и JSON с номером в папку\nRegisterOxycalc.txt.reports; последняя строка вывода — номер. batch --issue "
     L"выпускает\nотчёт каждой серии. Выпущенные файлы ничем не заменяются. amend НОМЕР ПРОЕКТ "
     L"--reason\n\"…\" выпускает новый расчёт той же пробы взамен отчёта (\"Взамен отчёта № … от …\" "
     L"и\nпричина), amend НОМЕР --withdraw --reason \"…\" — отзыв; прежний отчёт отмечается в\nреестре новой "
     L"записью, его файлы остаются. Каждый выпуск берёт реестр под блокировку\n(oxycalc-register.lock; две "
     L"станции не получат один номер), и запись реестра несёт\nSHA-256 предыдущей. history РЕЕСТР проверяет "
     L"цепочку и перечисляет записи; verify\nвыпущенного отчёта сначала говорит, выпущен ли он и не заменён "
     L"ли (код 1). Коды:\n0 — сделано, 1 — отказано или не сделано (ничего не выпущено), 2 — проект "
     L"не\nчитается или шаблон неверен.\n"},
};
extern const size_t kRussianCatalogueSize = sizeof kRussianCatalogue / sizeof kRussianCatalogue[0];

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
    {MessageCode::Yes, L"да"},
    {MessageCode::No, L"нет"},
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
     L"после amend ожидаются номер отчёта и файл проекта (или --withdraw вместо файла); --xsl и --lang — "
     L"только с --withdraw"},
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
     L"Отчёт открыт как проект (на странице — ПРОЕКТ).\n\nВыпустить его: дать ему номер по реестру отчётов и "
     L"сохранить его файлы без права изменения?"},
    {MessageCode::PluginIssued, L"Отчёт выпущен: № %1.\n\nЕго файлы — в папке «%2»."},
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

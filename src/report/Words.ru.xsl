<?xml version="1.0" encoding="UTF-8"?>
<!--
  The words of the pages in Russian: the report (report.*), the batch's index page (batch.*) and the control charts (qc.*). Each
  language's file names the same variables; the pages' structure is in ReportPage.xsl,
  BatchIndexPage.xsl, QcChartPage.xsl and QcCharts.xsl. Only the pages' own words stand here (headings, notes,
  their tables' captions): what the program says (verdicts, the results' captions, the words of a document's
  tokens) a page takes from its document, which the program writes in the catalogue's words. A text that must
  keep a blank at its end holds it inside the quotes.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <xsl:variable name="report.title" select="'Отчёт: кислородсодержащие соединения, ГОСТ EN 13132-2012'"/>
  <xsl:variable name="report.kind" select="'Отчёт о расчёте'"/>
  <xsl:variable name="report.made" select="'Дата составления отчёта: '"/>
  <xsl:variable name="report.no-date" select="'«____» ______________ 20____ г.'"/>
  <xsl:variable name="report.settings" select="'1. Условия расчёта'"/>
  <xsl:variable name="report.standard" select="'Внутренний стандарт'"/>
  <xsl:variable name="report.quote-open" select="'«'"/>
  <xsl:variable name="report.not-in-table" select="'» — нет в таблице компонентов'"/>
  <xsl:variable name="report.no-standard" select="'не задан (нет в таблице компонентов)'"/>
  <xsl:variable name="report.sample-density" select="'Плотность пробы, кг/м³'"/>
  <xsl:variable name="report.not-given-f" select="'не задана'"/>
  <xsl:variable name="report.chromatograms" select="'2. Хроматограммы'"/>
  <xsl:variable name="report.no-chromatograms" select="'Список хроматограмм пуст.'"/>
  <xsl:variable name="report.results" select="'3. Результаты расчёта'"/>
  <xsl:variable name="report.outside-scope">Отмечены компоненты вне области применения
        метода (от 0,17 до 15 % масс. каждого).</xsl:variable>
  <xsl:variable name="report.total-oxygen" select="'Общее содержание органически связанного кислорода'"/>
  <xsl:variable name="report.undetermined" select="'не определено'"/>
  <xsl:variable name="report.mass-unit" select="'&#160;% масс.'"/>
  <xsl:variable name="report.undetermined-why" select="'Не определено: '"/>
  <xsl:variable name="report.arithmetic" select="'. Арифметическое значение '"/>
  <xsl:variable name="report.no-result" select="' % масс. результатом не является.'"/>
  <xsl:variable name="report.total-scope" select="'Общее содержание кислорода '"/>
  <xsl:variable name="report.scope-upto" select="': метод применим до 3,7 % масс.'"/>
  <xsl:variable name="report.calculated-by" select="'Расчёт выполнил'"/>
  <xsl:variable name="report.checked-by" select="'Проверил'"/>
  <xsl:variable name="report.used-count" select="'Учтено в расчёте: '"/>
  <xsl:variable name="report.of" select="' из '"/>
  <xsl:variable name="report.used" select="'Учтена'"/>
  <xsl:variable name="report.chromatogram-file" select="'Файл хроматограммы'"/>
  <xsl:variable name="report.method" select="'Метод'"/>
  <xsl:variable name="report.analysis-time" select="'Время анализа'"/>
  <xsl:variable name="report.sample-mass" select="'Масса пробы, г'"/>
  <xsl:variable name="report.not-given-m" select="'не указана'"/>
  <xsl:variable name="report.molar-mass" select="'M, г/моль'"/>
  <xsl:variable name="report.density" select="'ρ, кг/м³'"/>
  <xsl:variable name="report.internal-standard" select="'вн. стандарт'"/>
  <xsl:variable name="report.oxygen-atoms" select="'атомов кислорода в молекуле: '"/>
  <xsl:variable name="report.exceeds-r" select="'расхождение параллельных определений превышает r = '"/>
  <xsl:variable name="report.none-found" select="'Ни один компонент таблицы не найден в отмеченных хроматограммах.'"/>
  <xsl:variable name="report.with-standard" select="' (с вн. стандартом)'"/>
  <xsl:variable name="report.total-without-standard" select="'Всего без вн. стандарта'"/>
  <xsl:variable name="report.no-sample" select="'Проба: не выбрана (нет отмеченных хроматограмм)'"/>
  <xsl:variable name="report.samples-different" select="'Пробы (разные — проверьте выбор хроматограмм): '"/>
  <xsl:variable name="report.sample" select="'Проба: '"/>
  <xsl:variable name="report.mixture" select="' (смесь: '"/>
  <xsl:variable name="report.limits" select="'4. Соответствие нормам'"/>
  <xsl:variable name="report.limit" select="'Норма'"/>
  <xsl:variable name="report.components" select="'Компоненты'"/>
  <xsl:variable name="report.unit" select="'Ед.'"/>
  <xsl:variable name="report.measured" select="'Измерено'"/>
  <xsl:variable name="report.maximum" select="'Не более'"/>
  <xsl:variable name="report.reproducibility" select="'R(X)'"/>
  <xsl:variable name="report.guard-band" select="'Защитная полоса w'"/>
  <xsl:variable name="report.acceptance-limit" select="'Предел приёмки'"/>
  <xsl:variable name="report.verdict" select="'Вывод'"/>
  <xsl:variable name="report.unknown-components" select="'нет в таблице компонентов: '"/>
  <xsl:variable name="report.no-verdicts" select="'Выводы не сделаны: '"/>
  <xsl:variable name="report.limits-file-line" select="'Файл норм, '"/>
  <xsl:variable name="report.verdicts" select="'Выводы '"/>
  <xsl:variable name="report.limits-from" select="'Нормы из файла '"/>
  <xsl:variable name="report.decision-rule" select="'Правило принятия решения: '"/>
  <xsl:variable name="report.compared" select="'Измеренное значение сравнивается с нормой с четырьмя знаками после запятой, как оно показано.'"/>
  <xsl:variable name="report.components-table" select="'Таблица компонентов'"/>
  <xsl:variable name="report.limits-file" select="'Файл норм'"/>
  <xsl:variable name="report.change-log" select="', журнал изменений от '"/>
  <xsl:variable name="report.inputs" select="'Исходные данные (SHA-256, первые 12 знаков; проверка: oxycalc-cli verify)'"/>
  <xsl:variable name="report.sha-unavailable" select="'SHA-256 недоступна'"/>
  <xsl:variable name="report.file-changed" select="'изменён после загрузки'"/>
  <xsl:variable name="report.database" select="'база данных'"/>
  <xsl:variable name="report.not-read" select="'не прочитан'"/>
  <xsl:variable name="report.attention" select="'Внимание: результаты требуют проверки'"/>
  <xsl:variable name="report.in-doubt" select="'Результаты под сомнением: контроль качества не пройден'"/>
  <xsl:variable name="report.not-yet-confirmed" select="'Ещё не подтверждено контролем качества: '"/>
  <xsl:variable name="report.confirmed" select="'Подтверждено контролем качества: '"/>
  <xsl:variable name="report.check-limits" select="'Пределы контроля «'"/>
  <xsl:variable name="report.quote-close-blank" select="'» '"/>
  <xsl:variable name="report.established" select="'установлены '"/>
  <xsl:variable name="report.reason" select="' (причина: '"/>
  <xsl:variable name="report.by" select="') по '"/>
  <xsl:variable name="report.results-word" select="' результатам'"/>
  <xsl:variable name="report.provisional" select="'предварительные, по '"/>
  <xsl:variable name="report.made-before" select="' результатам, сделанным до него'"/>
  <xsl:variable name="report.tolerance-only" select="'нет, оценён по допуску ±'"/>
  <xsl:variable name="report.centre-line" select="'; средняя линия '"/>
  <xsl:variable name="report.limits-3s" select="', пределы 3σ '"/>
  <xsl:variable name="report.mr-limit" select="', предел скользящего размаха '"/>
  <xsl:variable name="report.signature" select="'подпись'"/>
  <xsl:variable name="report.signed-heading" select="'Электронные подписи'"/>
  <xsl:variable name="report.signed-meaning" select="'Значение'"/>
  <xsl:variable name="report.signed-signer" select="'Подписал'"/>
  <xsl:variable name="report.signed-when" select="'Дата и время'"/>
  <xsl:variable name="report.signed-certificate" select="'Сертификат'"/>
  <xsl:variable name="report.signed-serial" select="'№ '"/>
  <xsl:variable name="report.signed-issuer" select="', издатель: '"/>
  <xsl:variable name="report.name" select="'фамилия, инициалы'"/>
  <xsl:variable name="report.date" select="'дата'"/>
  <xsl:variable name="report.heading">Определение органических кислородсодержащих соединений и общего содержания органически
        связанного кислорода в бензине методом газовой хроматографии по </xsl:variable>
  <xsl:variable name="report.standard-name" select="'ГОСТ&#160;EN&#160;13132-2012'"/>
  <xsl:variable name="report.foot">Расчёт по хроматограммам, отмеченным «Да». Массовые доли и кислород — в процентах
      от массы пробы; «Дельта» — расхождение массовой доли компонента между параллельными
      определениями; M — молярная масса, ρ — плотность, взятые из таблицы компонентов.
      Строка «Всего» и общее содержание кислорода рассчитаны по неокруглённым значениям: сумма
      напечатанных строк может отличаться от итога в последнем знаке.
      </xsl:variable>
  <xsl:variable name="report.page" select="'Страница '"/>
  <xsl:variable name="report.page-of" select="' из '"/>

  <xsl:variable name="batch.page-title" select="'Пакетный расчёт: кислородсодержащие соединения, ГОСТ EN 13132-2012'"/>
  <xsl:variable name="batch.page-heading" select="'Пакетный расчёт органических кислородсодержащих соединений (ГОСТ EN 13132-2012)'"/>
  <xsl:variable name="batch.range" select="'Серии, начатые в даты: '"/>
  <xsl:variable name="batch.limits-file" select="'Файл норм '"/>
  <xsl:variable name="batch.limits-unread" select="' содержит строки, которые не прочитаны: выводы неполны.'"/>
  <xsl:variable name="batch.column-number" select="'№'"/>
  <xsl:variable name="batch.column-sample" select="'Проба'"/>
  <xsl:variable name="batch.column-series" select="'Серия анализов'"/>
  <xsl:variable name="batch.column-determinations" select="'Определений'"/>
  <xsl:variable name="batch.column-oxygen" select="'Кислород, % масс.'"/>
  <xsl:variable name="batch.column-limits" select="'Нормы'"/>
  <xsl:variable name="batch.column-warnings" select="'Предупреждения'"/>
  <xsl:variable name="batch.column-report" select="'Отчёт'"/>
  <xsl:variable name="batch.no-analyses" select="'В выбранные даты анализов нет.'"/>
  <xsl:variable name="batch.foot" select="'Серия — анализы одной пробы, сделанные друг за другом; определения — её хроматограммы с указанной массой пробы. '"/>
  <xsl:variable name="batch.limits-from" select="'Нормы из файла '"/>
  <xsl:variable name="batch.calculated-by" select="'Рассчитано программой '"/>
  <xsl:variable name="batch.different-days" select="'разные дни'"/>
  <xsl:variable name="batch.after-range" select="'после конца дат: '"/>
  <xsl:variable name="batch.analyses-short" select="' ан.'"/>
  <xsl:variable name="batch.of" select="' из '"/>
  <xsl:variable name="batch.exceeded-r" select="'расхождение параллельных определений превышает r: '"/>
  <xsl:variable name="batch.limits-partly-read" select="'файл норм прочитан не весь'"/>

  <xsl:variable name="qc.page-title" select="'Контрольные карты: кислородсодержащие соединения, ГОСТ EN 13132-2012'"/>
  <xsl:variable name="qc.page-heading" select="'Контрольные карты: определение кислородсодержащих соединений (ГОСТ EN 13132-2012)'"/>
  <xsl:variable name="qc.range" select="'Серии контрольных проб, начатые в даты: '"/>
  <xsl:variable name="qc.made" select="'. Составлено '"/>
  <xsl:variable name="qc.calculated-by" select="'Рассчитано программой '"/>
  <xsl:variable name="qc.heading" select="'Контроль качества'"/>
  <xsl:variable name="qc.file" select="'Файл контроля качества: '"/>
  <xsl:variable name="qc.unread-lines" select="'Строки файла контроля, которые не прочитаны (их карт нет):'"/>
  <xsl:variable name="qc.none-judged" select="'Ни один результат контроля здесь не оценён: нет пределов (мало предшествующих результатов или нет разброса) и нет допуска. Контроль качества ничего не подтверждает.'"/>
  <xsl:variable name="qc.legend" select="'Линии: сплошная зелёная — средняя линия; красный пунктир — пределы 3σ; серые точки — 1σ и 2σ; оранжевый штрихпунктир — допуск. Тонированный фон — базовый период. Цифры у точки — нарушенные правила: 1 — за пределом 3σ; 2 — 2 из 3 подряд за 2σ по одну сторону; 3 — 4 из 5 подряд за 1σ по одну сторону; 4 — 8 подряд по одну сторону от средней линии; 5 — скользящий размах выше предела; Д — вне допуска. Полый кружок — результат не используется (его основа не определена); на карте размахов — размах выше предела при возврате от точки, нарушившей правило: он отнесён к ней и правилом 5 не засчитан. ▲ или ▼ у края — значение за шкалой карты (оно в подсказке и в таблице). × — результата нет.'"/>
  <xsl:variable name="qc.chart" select="'Карта '"/>
  <xsl:variable name="qc.plotted-minus-accepted" select="'На карте: результат − принятое значение '"/>
  <xsl:variable name="qc.tolerance" select="'; допуск ±'"/>
  <xsl:variable name="qc.plotted-result" select="'На карте: результат, '"/>
  <xsl:variable name="qc.results" select="'Результатов: '"/>
  <xsl:variable name="qc.failed" select="'; не пройдено: '"/>
  <xsl:variable name="qc.undetermined" select="'; не определено: '"/>
  <xsl:variable name="qc.individuals" select="'Индивидуальные значения (I)'"/>
  <xsl:variable name="qc.moving-range" select="'Скользящий размах (MR) между соседними используемыми результатами'"/>
  <xsl:variable name="qc.no-results" select="'В выбранные даты результатов контрольной пробы нет.'"/>
  <xsl:variable name="qc.established" select="'Пределы установлены '"/>
  <xsl:variable name="qc.reason" select="' (причина: '"/>
  <xsl:variable name="qc.by" select="') по '"/>
  <xsl:variable name="qc.baseline-results" select="' результатам базового периода: '"/>
  <xsl:variable name="qc.centre-line-capital" select="'. Средняя линия '"/>
  <xsl:variable name="qc.limits-3s" select="'; пределы (3σ) '"/>
  <xsl:variable name="qc.sigma" select="'; σ '"/>
  <xsl:variable name="qc.mr-mean" select="'; средний скользящий размах '"/>
  <xsl:variable name="qc.mr-limit" select="', его предел '"/>
  <xsl:variable name="qc.provisional-few" select="'&#160;Пределы предварительные: меньше 20 результатов базового периода.'"/>
  <xsl:variable name="qc.provisional-before" select="'&#160;Результаты до конца базового периода ('"/>
  <xsl:variable name="qc.provisional-here" select="' здесь) оценены по предварительным пределам из результатов, сделанных до них.'"/>
  <xsl:variable name="qc.not-established" select="'Пределы не установлены (oxycalc-cli qc --establish): каждый результат оценён по предварительным пределам из результатов этой карты в базе, сделанных до него (первые 20 используемых, кроме не пройденных; меньше 5 — не оценён).'"/>
  <xsl:variable name="qc.next-centre" select="'&#160;Для следующего результата: средняя линия '"/>
  <xsl:variable name="qc.from-results" select="'), по '"/>
  <xsl:variable name="qc.results-end" select="' результатам.'"/>
  <xsl:variable name="qc.next-none" select="'&#160;Для следующего результата пределов нет: '"/>
  <xsl:variable name="qc.tolerance-only" select="'. Результаты оцениваются только по допуску, если он задан.'"/>
  <xsl:variable name="qc.cl" select="'СЛ '"/>
  <xsl:variable name="qc.ucl" select="'ВКП '"/>
  <xsl:variable name="qc.lcl" select="'НКП '"/>
  <xsl:variable name="qc.tolerance-mark" select="'Д'"/>
  <xsl:variable name="qc.no-result" select="'нет результата'"/>
  <xsl:variable name="qc.plotted-as" select="' (на карте '"/>
  <xsl:variable name="qc.beyond-scale" select="' (за шкалой карты: нарисован у её края)'"/>
  <xsl:variable name="qc.report" select="' · отчёт '"/>
  <xsl:variable name="qc.mean-mr" select="'ср. MR '"/>
  <xsl:variable name="qc.moving-range-of" select="': скользящий размах '"/>
  <xsl:variable name="qc.column-series" select="'Серия контрольной пробы'"/>
  <xsl:variable name="qc.column-result" select="'Результат'"/>
  <xsl:variable name="qc.column-plotted" select="'На карте'"/>
  <xsl:variable name="qc.column-outcome" select="'Итог'"/>
  <xsl:variable name="qc.column-why" select="'Почему'"/>

  <!-- The register of issued reports -->
  <xsl:variable name="report.draft-mark" select="'ПРОЕКТ'"/>
  <xsl:variable name="report.draft-line" select="'Проект отчёта: не выпущен, номера нет. Не подписывается и не передаётся.'"/>
  <xsl:variable name="report.number" select="'Отчёт №&#160;'"/>
  <xsl:variable name="report.issued" select="'&#160;· выпущен '"/>
  <xsl:variable name="report.issued-by" select="', '"/>
  <xsl:variable name="report.replaces" select="'Взамен отчёта №&#160;'"/>
  <xsl:variable name="report.replaces-from" select="' от '"/>
  <xsl:variable name="report.replaced-amended" select="': тот отчёт заменён этим, его результаты больше не действуют.'"/>
  <xsl:variable name="report.replaced-withdrawn" select="': тот отчёт отозван, его результаты недействительны.'"/>
  <xsl:variable name="report.why" select="'Причина: '"/>
  <xsl:variable name="report.notice-kind" select="'Отзыв отчёта'"/>
  <xsl:variable name="report.notice-void" select="'Результаты отчёта №&#160;'"/>
  <xsl:variable name="report.notice-void-end" select="' недействительны; каждая его копия — тоже.'"/>
  <xsl:variable name="report.notice-files" select="'Файлы отозванного отчёта (SHA-256):'"/>
  <xsl:variable name="report.withdrawn-by" select="'Отозвал'"/>

</xsl:stylesheet>

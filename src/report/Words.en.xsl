<?xml version="1.0" encoding="UTF-8"?>
<!--
  The words of the pages in English: the report (report.*), the batch's index page (batch.*) and the control charts (qc.*). Each
  language's file names the same variables; the pages' structure is in ReportPage.xsl,
  BatchIndexPage.xsl, QcChartPage.xsl and QcCharts.xsl. Only the pages' own words stand here (headings, notes,
  their tables' captions): what the program says (verdicts, the results' captions, the words of a document's
  tokens) a page takes from its document, which the program writes in the catalogue's words. A text that must
  keep a blank at its end holds it inside the quotes.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <xsl:variable name="report.title" select="'Report: oxygenates, GOST EN 13132-2012'"/>
  <xsl:variable name="report.kind" select="'Calculation report'"/>
  <xsl:variable name="report.made" select="'Report made: '"/>
  <xsl:variable name="report.no-date" select="'____ ______________ 20____'"/>
  <xsl:variable name="report.settings" select="'1. Calculation settings'"/>
  <xsl:variable name="report.standard" select="'Internal standard'"/>
  <xsl:variable name="report.quote-open" select="'“'"/>
  <xsl:variable name="report.not-in-table" select="'” — not in the components table'"/>
  <xsl:variable name="report.no-standard" select="'not given (not in the components table)'"/>
  <xsl:variable name="report.sample-density" select="'Sample density, kg/m³'"/>
  <xsl:variable name="report.not-given-f" select="'not given'"/>
  <xsl:variable name="report.chromatograms" select="'2. Chromatograms'"/>
  <xsl:variable name="report.no-chromatograms" select="'The list of chromatograms is empty.'"/>
  <xsl:variable name="report.results" select="'3. Results'"/>
  <xsl:variable name="report.outside-scope" select="'Components outside the method’s range (0.17 to 15 % m/m each) are marked.'"/>
  <xsl:variable name="report.total-oxygen" select="'Total organically bound oxygen'"/>
  <xsl:variable name="report.undetermined" select="'not determined'"/>
  <xsl:variable name="report.mass-unit" select="'&#160;% m/m'"/>
  <xsl:variable name="report.undetermined-why" select="'Not determined: '"/>
  <xsl:variable name="report.arithmetic" select="'. The arithmetic value '"/>
  <xsl:variable name="report.no-result" select="' % m/m is no result.'"/>
  <xsl:variable name="report.total-scope" select="'The total oxygen lies '"/>
  <xsl:variable name="report.scope-upto" select="' (the method applies up to 3.7 % m/m).'"/>
  <xsl:variable name="report.calculated-by" select="'Calculated by'"/>
  <xsl:variable name="report.checked-by" select="'Checked by'"/>
  <xsl:variable name="report.used-count" select="'Used in the calculation: '"/>
  <xsl:variable name="report.of" select="' of '"/>
  <xsl:variable name="report.used" select="'Used'"/>
  <xsl:variable name="report.chromatogram-file" select="'Chromatogram file'"/>
  <xsl:variable name="report.method" select="'Method'"/>
  <xsl:variable name="report.analysis-time" select="'Analysis time'"/>
  <xsl:variable name="report.sample-mass" select="'Sample mass, g'"/>
  <xsl:variable name="report.not-given-m" select="'not given'"/>
  <xsl:variable name="report.molar-mass" select="'M, g/mol'"/>
  <xsl:variable name="report.density" select="'ρ, kg/m³'"/>
  <xsl:variable name="report.internal-standard" select="'int. standard'"/>
  <xsl:variable name="report.oxygen-atoms" select="'oxygen atoms in the molecule: '"/>
  <xsl:variable name="report.exceeds-r" select="'the spread of the parallel determinations exceeds r = '"/>
  <xsl:variable name="report.none-found" select="'No component of the table was found in the ticked chromatograms.'"/>
  <xsl:variable name="report.with-standard" select="' (with int. standard)'"/>
  <xsl:variable name="report.total-without-standard" select="'Total without int. standard'"/>
  <xsl:variable name="report.no-sample" select="'Sample: none chosen (no chromatogram is ticked)'"/>
  <xsl:variable name="report.samples-different" select="'Samples (different ones: check the chromatograms ticked): '"/>
  <xsl:variable name="report.sample" select="'Sample: '"/>
  <xsl:variable name="report.mixture" select="' (mixture: '"/>
  <xsl:variable name="report.limits" select="'4. Conformity to limits'"/>
  <xsl:variable name="report.limit" select="'Limit'"/>
  <xsl:variable name="report.components" select="'Components'"/>
  <xsl:variable name="report.unit" select="'Unit'"/>
  <xsl:variable name="report.measured" select="'Measured'"/>
  <xsl:variable name="report.maximum" select="'Maximum'"/>
  <xsl:variable name="report.reproducibility" select="'R(X)'"/>
  <xsl:variable name="report.guard-band" select="'Guard band w'"/>
  <xsl:variable name="report.acceptance-limit" select="'Acceptance limit'"/>
  <xsl:variable name="report.verdict" select="'Verdict'"/>
  <xsl:variable name="report.unknown-components" select="'not in the components table: '"/>
  <xsl:variable name="report.no-verdicts" select="'No verdicts: '"/>
  <xsl:variable name="report.limits-file-line" select="'Limits file, '"/>
  <xsl:variable name="report.verdicts" select="'Verdicts '"/>
  <xsl:variable name="report.limits-from" select="'Limits from the file '"/>
  <xsl:variable name="report.decision-rule" select="'Decision rule: '"/>
  <xsl:variable name="report.compared" select="'The measured value is compared with the limit with four decimals, as it is shown.'"/>
  <xsl:variable name="report.components-table" select="'Components table'"/>
  <xsl:variable name="report.limits-file" select="'Limits file'"/>
  <xsl:variable name="report.change-log" select="', change log of '"/>
  <xsl:variable name="report.inputs" select="'Inputs (SHA-256, first 12 digits; check: oxycalc-cli verify)'"/>
  <xsl:variable name="report.sha-unavailable" select="'SHA-256 unavailable'"/>
  <xsl:variable name="report.file-changed" select="'changed after loading'"/>
  <xsl:variable name="report.database" select="'database'"/>
  <xsl:variable name="report.not-read" select="'not read'"/>
  <xsl:variable name="report.attention" select="'Attention: the results need checking'"/>
  <xsl:variable name="report.in-doubt" select="'Results in doubt: quality control failed'"/>
  <xsl:variable name="report.not-yet-confirmed" select="'Not yet confirmed by quality control: '"/>
  <xsl:variable name="report.confirmed" select="'Confirmed by quality control: '"/>
  <xsl:variable name="report.check-limits" select="'Limits of the check “'"/>
  <xsl:variable name="report.quote-close-blank" select="'” '"/>
  <xsl:variable name="report.established" select="'established '"/>
  <xsl:variable name="report.reason" select="' (reason: '"/>
  <xsl:variable name="report.by" select="') from '"/>
  <xsl:variable name="report.results-word" select="' results'"/>
  <xsl:variable name="report.provisional" select="'provisional, from '"/>
  <xsl:variable name="report.made-before" select="' results made before it'"/>
  <xsl:variable name="report.tolerance-only" select="'none, judged by its tolerance ±'"/>
  <xsl:variable name="report.centre-line" select="'; centre line '"/>
  <xsl:variable name="report.limits-3s" select="', 3σ limits '"/>
  <xsl:variable name="report.mr-limit" select="', moving range limit '"/>
  <xsl:variable name="report.signature" select="'signature'"/>
  <xsl:variable name="report.signed-heading" select="'Electronic signatures'"/>
  <xsl:variable name="report.signed-meaning" select="'Meaning'"/>
  <xsl:variable name="report.signed-signer" select="'Signed by'"/>
  <xsl:variable name="report.signed-when" select="'Date and time'"/>
  <xsl:variable name="report.signed-certificate" select="'Certificate'"/>
  <xsl:variable name="report.signed-serial" select="'No. '"/>
  <xsl:variable name="report.signed-issuer" select="', issued by '"/>
  <xsl:variable name="report.name" select="'name'"/>
  <xsl:variable name="report.date" select="'date'"/>
  <xsl:variable name="report.heading">Determination of organic oxygenate compounds and total organically bound oxygen in petrol by
        gas chromatography according to </xsl:variable>
  <xsl:variable name="report.standard-name" select="'GOST&#160;EN&#160;13132-2012'"/>
  <xsl:variable name="report.foot">Calculated from the chromatograms marked “Yes”. Mass fractions and oxygen in per cent
      of the sample’s mass; “Delta”: the spread of a component’s mass fraction between the parallel
      determinations; M: molar mass, ρ: density, as the components table gives them.
      The row “Total” and the total oxygen are calculated from unrounded values: the printed rows may add up
      to a total that differs in the last digit.
      </xsl:variable>
  <xsl:variable name="report.page" select="'Page '"/>
  <xsl:variable name="report.page-of" select="' of '"/>

  <xsl:variable name="batch.page-title" select="'Batch calculation: oxygenates, GOST EN 13132-2012'"/>
  <xsl:variable name="batch.page-heading" select="'Batch calculation of organic oxygenates (GOST EN 13132-2012)'"/>
  <xsl:variable name="batch.range" select="'Series begun on the dates: '"/>
  <xsl:variable name="batch.limits-file" select="'The limits file '"/>
  <xsl:variable name="batch.limits-unread" select="' holds lines that were not read: the verdicts are incomplete.'"/>
  <xsl:variable name="batch.column-number" select="'No.'"/>
  <xsl:variable name="batch.column-sample" select="'Sample'"/>
  <xsl:variable name="batch.column-series" select="'Series of analyses'"/>
  <xsl:variable name="batch.column-determinations" select="'Determinations'"/>
  <xsl:variable name="batch.column-oxygen" select="'Oxygen, % m/m'"/>
  <xsl:variable name="batch.column-limits" select="'Limits'"/>
  <xsl:variable name="batch.column-warnings" select="'Warnings'"/>
  <xsl:variable name="batch.column-report" select="'Report'"/>
  <xsl:variable name="batch.no-analyses" select="'No analyses in the dates chosen.'"/>
  <xsl:variable name="batch.foot" select="'A series: the analyses of one sample made one after another; determinations: its chromatograms that give a sample mass. '"/>
  <xsl:variable name="batch.limits-from" select="'Limits from the file '"/>
  <xsl:variable name="batch.calculated-by" select="'Calculated by '"/>
  <xsl:variable name="batch.different-days" select="'different days'"/>
  <xsl:variable name="batch.after-range" select="'after the end of the dates: '"/>
  <xsl:variable name="batch.analyses-short" select="' an.'"/>
  <xsl:variable name="batch.of" select="' of '"/>
  <xsl:variable name="batch.exceeded-r" select="'the spread of the parallel determinations exceeds r: '"/>
  <xsl:variable name="batch.limits-partly-read" select="'the limits file was not read whole'"/>

  <xsl:variable name="qc.page-title" select="'Control charts: oxygenates, GOST EN 13132-2012'"/>
  <xsl:variable name="qc.page-heading" select="'Control charts: determination of oxygenates (GOST EN 13132-2012)'"/>
  <xsl:variable name="qc.range" select="'Series of check samples begun on the dates: '"/>
  <xsl:variable name="qc.made" select="'. Made '"/>
  <xsl:variable name="qc.calculated-by" select="'Calculated by '"/>
  <xsl:variable name="qc.heading" select="'Quality control'"/>
  <xsl:variable name="qc.file" select="'QC file: '"/>
  <xsl:variable name="qc.unread-lines" select="'Lines of the QC file that were not read (no chart is drawn for them):'"/>
  <xsl:variable name="qc.none-judged" select="'No QC result here was judged: there are no limits (too few earlier results, or no spread) and no tolerance. Quality control confirms nothing.'"/>
  <xsl:variable name="qc.legend" select="'Lines: solid green — centre line; red dashes — 3σ limits; grey dots — 1σ and 2σ; orange dash-dots — tolerance. Tinted ground — the baseline. Figures by a point — the rules it breaks: 1 — beyond a 3σ limit; 2 — 2 of 3 in a row beyond 2σ on one side; 3 — 4 of 5 in a row beyond 1σ on one side; 4 — 8 in a row on one side of the centre line; 5 — moving range above its limit; T — outside the tolerance. Hollow circle — a result not used (what it rests on is undetermined); on the moving range chart — a range above the limit on the return from a point that broke a rule: it is counted to that point, not to rule 5. ▲ or ▼ at the edge — a value beyond the chart’s scale (it is in the tip and in the table). × — no result.'"/>
  <xsl:variable name="qc.chart" select="'Chart '"/>
  <xsl:variable name="qc.plotted-minus-accepted" select="'Plotted: result − accepted value '"/>
  <xsl:variable name="qc.tolerance" select="'; tolerance ±'"/>
  <xsl:variable name="qc.plotted-result" select="'Plotted: the result, '"/>
  <xsl:variable name="qc.results" select="'Results: '"/>
  <xsl:variable name="qc.failed" select="'; failed: '"/>
  <xsl:variable name="qc.undetermined" select="'; undetermined: '"/>
  <xsl:variable name="qc.individuals" select="'Individual values (I)'"/>
  <xsl:variable name="qc.moving-range" select="'Moving range (MR) between neighbouring used results'"/>
  <xsl:variable name="qc.no-results" select="'No result of the check sample in the dates chosen.'"/>
  <xsl:variable name="qc.established" select="'Limits established '"/>
  <xsl:variable name="qc.reason" select="' (reason: '"/>
  <xsl:variable name="qc.by" select="') from '"/>
  <xsl:variable name="qc.baseline-results" select="' results of the baseline: '"/>
  <xsl:variable name="qc.centre-line-capital" select="'. Centre line '"/>
  <xsl:variable name="qc.limits-3s" select="'; limits (3σ) '"/>
  <xsl:variable name="qc.sigma" select="'; σ '"/>
  <xsl:variable name="qc.mr-mean" select="'; mean moving range '"/>
  <xsl:variable name="qc.mr-limit" select="', its limit '"/>
  <xsl:variable name="qc.provisional-few" select="'&#160;The limits are provisional: fewer than 20 results in the baseline.'"/>
  <xsl:variable name="qc.provisional-before" select="'&#160;The results before the end of the baseline ('"/>
  <xsl:variable name="qc.provisional-here" select="' here) were judged by provisional limits from the results made before them.'"/>
  <xsl:variable name="qc.not-established" select="'No limits are established (oxycalc-cli qc --establish): each result was judged by provisional limits from the results of this chart in the database made before it (the first 20 used ones, failed ones aside; with fewer than 5 it is not judged).'"/>
  <xsl:variable name="qc.next-centre" select="'&#160;For the next result: centre line '"/>
  <xsl:variable name="qc.from-results" select="'), from '"/>
  <xsl:variable name="qc.results-end" select="' results.'"/>
  <xsl:variable name="qc.next-none" select="'&#160;There are no limits for the next result: '"/>
  <xsl:variable name="qc.tolerance-only" select="'. Results are judged by the tolerance alone, where one is given.'"/>
  <xsl:variable name="qc.cl" select="'CL '"/>
  <xsl:variable name="qc.ucl" select="'UCL '"/>
  <xsl:variable name="qc.lcl" select="'LCL '"/>
  <xsl:variable name="qc.tolerance-mark" select="'T'"/>
  <xsl:variable name="qc.no-result" select="'no result'"/>
  <xsl:variable name="qc.plotted-as" select="' (plotted '"/>
  <xsl:variable name="qc.beyond-scale" select="' (beyond the chart’s scale: drawn at its edge)'"/>
  <xsl:variable name="qc.report" select="' · report '"/>
  <xsl:variable name="qc.mean-mr" select="'mean MR '"/>
  <xsl:variable name="qc.moving-range-of" select="': moving range '"/>
  <xsl:variable name="qc.column-series" select="'Series of the check sample'"/>
  <xsl:variable name="qc.column-result" select="'Result'"/>
  <xsl:variable name="qc.column-plotted" select="'Plotted'"/>
  <xsl:variable name="qc.column-outcome" select="'Outcome'"/>
  <xsl:variable name="qc.column-why" select="'Why'"/>

  <!-- The register of issued reports -->
  <xsl:variable name="report.draft-mark" select="'DRAFT'"/>
  <xsl:variable name="report.draft-line" select="'Draft report: not issued, no number. Not to be signed or passed on.'"/>
  <xsl:variable name="report.number" select="'Report No.&#160;'"/>
  <xsl:variable name="report.issued" select="'&#160;· issued '"/>
  <xsl:variable name="report.issued-by" select="', '"/>
  <xsl:variable name="report.replaces" select="'Replaces report No.&#160;'"/>
  <xsl:variable name="report.replaces-from" select="' of '"/>
  <xsl:variable name="report.replaced-amended" select="': that report is replaced by this one; its results no longer hold.'"/>
  <xsl:variable name="report.replaced-withdrawn" select="': that report is withdrawn; its results are void.'"/>
  <xsl:variable name="report.why" select="'Reason: '"/>
  <xsl:variable name="report.notice-kind" select="'Withdrawal of a report'"/>
  <xsl:variable name="report.notice-void" select="'The results of report No.&#160;'"/>
  <xsl:variable name="report.notice-void-end" select="' are void, and so is every copy of it.'"/>
  <xsl:variable name="report.notice-files" select="'Files of the withdrawn report (SHA-256):'"/>
  <xsl:variable name="report.withdrawn-by" select="'Withdrawn by'"/>

</xsl:stylesheet>

<?xml version="1.0" encoding="UTF-8"?>
<!--
  The structure of the report's page, its own words (headings, notes) left to the variables report.* of a
  words file. Report.xsl (Russian, Words.ru.xsl) and Report.ENU.xsl (English, Words.en.xsl) are each made of
  the two when the program is built: one file that imports nothing. Every word the program says beside
  them comes from the document in its language: verdicts, kinds, the results' captions (columns) and the
  words of its tokens (words). It tests the tokens the document writes in every language (ticked, kind,
  outcome, да/нет of the flags), never its words.

  The oxygenate report: turns the report document (Document: standart, density_proba, files,
  calc_table, oxygen; then warnings when there are any, samples, chromatograms, result_rows,
  totals_without_standard, oxygen_scope, oxygen_doubt, oxygen_arithmetic, limits when a limits file is used, program, created, inputs,
  decision_rule, quality when QC is kept, columns, words) into one XHTML page,
  printable on A4. The elements after oxygen tell more about the rows of files and calc_table, row by row in
  the same order. A document of the first five elements alone still gives a whole report, its tokens as
  they stand and "—" for the captions it does not give.

  The result is built in a DOM document and saved from there, so it must be well-formed XML with a
  single root, and what reaches the browser is whatever that DOM saves: no DOCTYPE is relied on (the
  page is laid out to look the same in quirks mode), and no element may be left empty, since a saved
  <td/> or <span/> is read by an HTML parser as a start tag only. Literal texts start right at their
  tag and a blank that matters is a no-break space or part of an XPath string: the DOM that loads this
  stylesheet may drop blanks at the start of a text.

  Rows of both tables hold cells known only by their position. The last two rows of calc_table are
  the separator and the totals ("Всего"); every row before them is one component.
-->
<xsl:stylesheet version="1.0"
                xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns="http://www.w3.org/1999/xhtml">

  <xsl:output method="xml" encoding="UTF-8" indent="no" omit-xml-declaration="yes"/>
  <xsl:strip-space elements="*"/>

  <xsl:template match="/">
    <!-- Lets Internet Explorer run the page's one script (the report date) without a warning bar. -->
    <xsl:comment> saved from url=(0014)about:internet </xsl:comment>
    <html>
      <head>
        <meta http-equiv="Content-Type" content="text/html; charset=UTF-8"/>
        <meta http-equiv="X-UA-Compatible" content="IE=edge"/>
        <title><xsl:value-of select="$report.title"/></title>
        <style type="text/css">
          @page { size: A4 portrait; margin: 8mm 10mm 10mm 20mm;
                  @bottom-right { content: "<xsl:value-of select="$report.page"/>" counter(page) "<xsl:value-of select="$report.page-of"/>" counter(pages);
                                  font: 8pt Arial, "DejaVu Sans", sans-serif; color: #555; } }
          * { box-sizing: border-box; }
          html, body { margin: 0; padding: 0; }
          body { font: 9pt/1.3 Arial, "Liberation Sans", "DejaVu Sans", sans-serif; color: #000;
                 background: #fff; -webkit-print-color-adjust: exact; print-color-adjust: exact; }
          .sheet { width: 180mm; margin: 0 auto; }
          @media screen {
            body { background: #e9ebee; }
            .sheet { width: 210mm; min-height: 297mm; margin: 8mm auto; padding: 8mm 10mm 10mm 20mm;
                     background: #fff; box-shadow: 0 1px 6px rgba(0, 0, 0, 0.25); }
          }
          table { border-collapse: collapse; width: 100%; font: inherit; font-size: 8pt; line-height: 1.15; }
          th, td { border: 0.6pt solid #444; padding: 0.2mm 1.2mm; vertical-align: top; text-align: left; }
          thead { display: table-header-group; }
          tr { page-break-inside: avoid; break-inside: avoid; }
          th { background: #e6e9ee; font-weight: bold; vertical-align: bottom; }

          .head { border-bottom: 1.5pt solid #000; padding-bottom: 1.5mm; margin-bottom: 2.5mm; }
          .kind { font-size: 7.5pt; letter-spacing: 0.08em; text-transform: uppercase; color: #444; }
          h1 { font-size: 10pt; line-height: 1.2; margin: 0.8mm 0 1mm 0; }
          .standard { white-space: nowrap; }
          .made { font-size: 8.5pt; margin: 0; }
          h2 { font-size: 10pt; margin: 2mm 0 0.8mm 0; page-break-after: avoid; break-after: avoid; }
          p { margin: 0 0 1mm 0; }
          .note { font-size: 8pt; color: #333; }

          table.settings { width: auto; min-width: 100mm; font-size: 9pt; }
          table.settings th { background: #f3f4f6; font-weight: normal; vertical-align: top; white-space: nowrap; }
          table.settings td { font-weight: bold; }

          td.num, th.num { text-align: right; }
          td.num { white-space: nowrap; }
          td.center, th.center { text-align: center; }
          td.path, td.method { font-size: 7.5pt; }
          td.method { white-space: nowrap; }
          td.path .segment { white-space: nowrap; }
          .badge { display: inline-block; margin-left: 1.5mm; padding: 0 1mm; border: 0.6pt solid #7a4d00;
                   color: #7a4d00; font-size: 7pt; text-transform: uppercase; letter-spacing: 0.04em;
                   white-space: nowrap; }
          table.results { font-size: 8pt; table-layout: fixed; }
          table.results th { font-size: 6.5pt; line-height: 1.1; }
          .flag { display: block; font-size: 7pt; color: #b00020; }
          .scope { display: block; font-size: 7pt; color: #555; font-style: italic; }
          .scope-note { margin: 1mm 0 0 0; font-size: 8pt; color: #555; font-style: italic; }
          tr.internal-standard td { background: #f6f6f6; color: #444; }
          tr.own td { font-weight: bold; }
          tr.exceeded td.num.delta { color: #b00020; font-weight: bold; }
          .sample { margin: 0 0 1mm 0; font-size: 10.5pt; }
          .sample.several { color: #b00020; }
          td.verdict, td.unit { white-space: nowrap; }
          td.verdict .flag { white-space: normal; }
          td.verdict.bad { color: #b00020; font-weight: bold; }
          td.verdict.unknown { color: #7a4d00; }
          td.verdict.conditionally-conforms, td.verdict.conditionally-exceeds { white-space: normal; }
          td.verdict.conditionally-conforms { background: #fff4c2; }
          td.verdict.conditionally-exceeds { background: #ffd9b8; color: #8a3a00; font-weight: bold; }
          tr.limits-error td { color: #b00020; }
          .final { page-break-inside: avoid; break-inside: avoid; }
          td.time { white-space: nowrap; }
          tr.unused td { color: #666; }
          tr.missing td.num { font-style: italic; }
          tr.separator td { border-left: 0; border-right: 0; padding: 0; height: 1mm; font-size: 1pt; }
          tr.totals td { font-weight: bold; background: #f3f4f6; border-top: 1.2pt solid #000; }
          tr.empty td { text-align: center; font-style: italic; color: #444; }

          .oxygen { display: table; width: 100%; margin: 2mm 0 0 0; border: 1.5pt solid #000;
                    background: #f3f4f6; page-break-inside: avoid; break-inside: avoid; }
          .oxygen div { display: table-cell; vertical-align: middle; padding: 0.8mm 3mm; }
          .oxygen .label { font-size: 10pt; font-weight: bold; }
          .oxygen .value { text-align: right; font-size: 14pt; font-weight: bold; white-space: nowrap; }
          .oxygen .unit { font-size: 10pt; font-weight: normal; }
          .oxygen.undetermined { border-color: #b00020; background: #fdecee; }
          .oxygen.undetermined .value { color: #b00020; }
          .oxygen-doubt { margin: 1mm 0 0 0; font-size: 8pt; color: #b00020; }

          .inputs { margin-top: 2mm; font-size: 6.5pt; line-height: 1.25; color: #444; }
          .inputs .title { font-weight: bold; }
          .inputs .list { column-count: 2; column-gap: 6mm; }
          .inputs .item { break-inside: avoid; }
          .inputs .hash { font-family: "DejaVu Sans Mono", Consolas, monospace; white-space: nowrap; }
          .signatures { margin-top: 1mm; page-break-inside: avoid; break-inside: avoid; }
          .signatures table { font-size: 9pt; }
          .signatures td { border: 0; padding: 2mm 0 0.3mm 0; vertical-align: bottom; }
          .signatures td.role { width: 38mm; }
          .signatures td.line { border-bottom: 0.6pt solid #000; }
          .signatures td.sign { width: 38mm; }
          .signatures td.date { width: 30mm; }
          .signatures td.gap { width: 6mm; }
          .signatures tr.hints td { padding: 0.3mm 0 0 0; font-size: 6.5pt; color: #555; text-align: center;
                                    vertical-align: top; }
          .foot { margin-top: 1mm; font-size: 7pt; line-height: 1.2; color: #555; }

          .warnings { margin: 0 0 2mm 0; padding: 1mm 2.5mm; border: 1.2pt solid #b00020; background: #fdecee;
                      font-size: 8pt; line-height: 1.2;
                      page-break-inside: avoid; break-inside: avoid; }
          .warnings .title { font-weight: bold; color: #b00020; margin-bottom: 1mm; }
          .warnings ul { margin: 0; padding-left: 5mm; }
          .warnings li { margin: 0.3mm 0; }
        </style>
        <!-- Only while the lab keeps a register of issued reports: a report of a lab that keeps none is as before. -->
        <xsl:if test="Document/registration | Document/notice">
        <style type="text/css">
          .register { margin: 0.8mm 0 1mm 0; font-size: 9.5pt; }
          .register .number { font-size: 11pt; font-weight: bold; letter-spacing: 0.02em; }
          .register.draft { color: #b00020; font-weight: bold; }
          .replaces { margin: 1mm 0 1.5mm 0; padding: 1mm 2.5mm; border: 1.2pt solid #000; background: #f3f4f6;
                      font-size: 9pt; page-break-inside: avoid; break-inside: avoid; }
          .replaces p { margin: 0.5mm 0 0 0; }
          .draft-mark { position: fixed; top: 42%; left: 0; width: 100%; text-align: center; z-index: 10;
                        font-size: 96pt; font-weight: bold; letter-spacing: 0.1em; color: rgba(176, 0, 32, 0.16);
                        transform: rotate(-35deg); pointer-events: none; }
          .notice { margin: 3mm 0; padding: 2mm 3mm; border: 1.5pt solid #000; font-size: 10pt; }
          .notice p { margin: 0 0 1.5mm 0; }
          .notice .void { font-size: 11pt; font-weight: bold; color: #b00020; }
          .notice td.hash { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 7pt; }
        </style>
        </xsl:if>
        <!-- A page without signatures stays as it was. -->
        <xsl:if test="Document/signatures/signature">
        <style type="text/css">
          .signatures.signed table { width: 100%; font-size: 8pt; }
          .signatures.signed td, .signatures.signed th { border: 0.4pt solid #888; padding: 0.6mm 1mm;
                                                         vertical-align: top; }
          .signed-heading { margin: 1mm 0 0.5mm 0; font-weight: bold; font-size: 9pt; }
        </style>
        </xsl:if>
      </head>
      <body>
        <xsl:if test="Document/registration/status = 'draft'">
          <div class="draft-mark"><xsl:value-of select="$report.draft-mark"/></div>
        </xsl:if>
        <div class="sheet">
          <xsl:apply-templates select="Document"/>
        </div>
        <!-- The date of the report is the document's own when it carries one (a copied or mailed file
             keeps it); an older document's page takes the time its file was written, and without
             scripts a blank line is left to fill in by hand. The script avoids the characters XML
             would escape. -->
        <xsl:if test="not(Document/created)">
        <script type="text/javascript">
          (function () {
            var place = document.getElementById('made');
            var made = new Date(document.lastModified);
            if (!place || isNaN(made.getTime())) return;
            function two(n) { return String(n + 100).substring(1); }
            place.innerHTML = [two(made.getDate()), '.', two(made.getMonth() + 1), '.', made.getFullYear(),
                               ' ', two(made.getHours()), ':', two(made.getMinutes())].join('');
          })();
        </script>
        </xsl:if>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Document">
    <div class="head">
      <div class="kind"><xsl:value-of select="$report.kind"/><xsl:if test="program">
          <xsl:value-of select="concat(' · ', program/name, ' ', program/version)"/></xsl:if></div>
      <h1><xsl:value-of select="$report.heading"/><span class="standard"><xsl:value-of select="$report.standard-name"/></span></h1>
      <xsl:apply-templates select="samples"/>
      <xsl:apply-templates select="registration"/>
      <p class="made"><xsl:value-of select="$report.made"/><span id="made">
        <xsl:choose>
          <xsl:when test="created"><xsl:value-of select="created"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="$report.no-date"/></xsl:otherwise>
        </xsl:choose>
      </span></p>
    </div>

    <xsl:apply-templates select="warnings"/>
    <xsl:apply-templates select="quality"/>

    <h2><xsl:value-of select="$report.settings"/></h2>
    <table class="settings">
      <tbody>
        <tr>
          <th><xsl:value-of select="$report.standard"/></th>
          <td>
            <xsl:choose>
              <xsl:when test="warnings/warning[kind = 'standard_not_found']">
                <xsl:value-of select="concat($report.quote-open, warnings/warning[kind = 'standard_not_found']/subject, $report.not-in-table)"/>
              </xsl:when>
              <xsl:when test="standart = '---'"><xsl:value-of select="$report.no-standard"/></xsl:when>
              <xsl:otherwise><xsl:value-of select="standart"/></xsl:otherwise>
            </xsl:choose>
          </td>
          <th><xsl:value-of select="$report.sample-density"/></th>
          <td>
            <xsl:choose>
              <xsl:when test="warnings/warning[kind = 'no_sample_density']"><xsl:value-of select="$report.not-given-f"/></xsl:when>
              <xsl:otherwise><xsl:value-of select="density_proba"/></xsl:otherwise>
            </xsl:choose>
          </td>
        </tr>
      </tbody>
    </table>

    <h2><xsl:value-of select="$report.chromatograms"/></h2>
    <xsl:choose>
      <xsl:when test="files/fill_data">
        <xsl:apply-templates select="files"/>
      </xsl:when>
      <xsl:otherwise>
        <p class="note"><xsl:value-of select="$report.no-chromatograms"/></p>
      </xsl:otherwise>
    </xsl:choose>

    <div class="final">
    <h2><xsl:value-of select="$report.results"/></h2>
    <xsl:apply-templates select="calc_table"/>
    <div class="foot"><xsl:value-of select="$report.foot"/><xsl:if test="result_rows/result_row[scope != '']"><xsl:value-of select="$report.outside-scope"/></xsl:if></div>

    <!-- A total that is no result is "не определено" in the box; its arithmetic value only beneath, marked. -->
    <div>
      <xsl:attribute name="class">
        <xsl:text>oxygen</xsl:text>
        <xsl:if test="string(oxygen_doubt) != ''"> undetermined</xsl:if>
      </xsl:attribute>
      <div class="label"><xsl:value-of select="$report.total-oxygen"/></div>
      <xsl:choose>
        <xsl:when test="string(oxygen_doubt) != ''"><div class="value"><xsl:value-of select="$report.undetermined"/></div></xsl:when>
        <xsl:otherwise>
          <div class="value"><xsl:value-of select="oxygen"/><span class="unit"><xsl:value-of select="$report.mass-unit"/></span></div>
        </xsl:otherwise>
      </xsl:choose>
    </div>
    <xsl:if test="string(oxygen_doubt) != ''">
      <p class="oxygen-doubt"><xsl:value-of select="concat($report.undetermined-why, oxygen_doubt, $report.arithmetic, oxygen_arithmetic, $report.no-result)"/></p>
    </xsl:if>
    <xsl:if test="oxygen_scope != ''">
      <p class="scope-note"><xsl:value-of select="concat($report.total-scope, oxygen_scope, $report.scope-upto)"/></p>
    </xsl:if>

    <xsl:apply-templates select="limits"/>

    <xsl:choose>
      <xsl:when test="signatures/signature">
        <xsl:apply-templates select="signatures"/>
      </xsl:when>
      <xsl:otherwise>
        <div class="signatures">
          <table>
            <tbody>
              <xsl:call-template name="signature">
                <xsl:with-param name="role"><xsl:value-of select="$report.calculated-by"/></xsl:with-param>
              </xsl:call-template>
              <xsl:call-template name="signature">
                <xsl:with-param name="role"><xsl:value-of select="$report.checked-by"/></xsl:with-param>
              </xsl:call-template>
            </tbody>
          </table>
        </div>
      </xsl:otherwise>
    </xsl:choose>
    </div>

    <xsl:apply-templates select="inputs"/>

  </xsl:template>

  <!-- The document's own tokens ("Да", "Нет", "Всего"), whatever its language, in the words the document
       gives them in its language; a document without them shows the tokens, and any other text as it is. -->
  <xsl:template name="token">
    <xsl:param name="text"/>
    <xsl:variable name="words" select="/Document/words"/>
    <xsl:choose>
      <xsl:when test="$text = 'Да' and $words/yes"><xsl:value-of select="$words/yes"/></xsl:when>
      <xsl:when test="$text = 'Нет' and $words/no"><xsl:value-of select="$words/no"/></xsl:when>
      <xsl:when test="$text = 'Всего' and $words/total"><xsl:value-of select="$words/total"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The chromatograms: number, used, file, method, analysis time, sample mass. -->
  <xsl:template match="files">
    <p class="note">
      <xsl:value-of select="concat($report.used-count, count(/Document/inputs/chromatogram[ticked = 'да']), $report.of, count(fill_data))"/>
    </p>
    <table>
      <thead>
        <tr>
          <th class="center" style="width: 7mm">№</th>
          <th class="center" style="width: 12mm"><xsl:value-of select="$report.used"/></th>
          <th><xsl:value-of select="$report.chromatogram-file"/></th>
          <th style="width: 40mm"><xsl:value-of select="$report.method"/></th>
          <th style="width: 22mm"><xsl:value-of select="$report.analysis-time"/></th>
          <th class="num" style="width: 17mm"><xsl:value-of select="$report.sample-mass"/></th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="fill_data">
          <xsl:variable name="row" select="position()"/>
          <tr>
            <xsl:attribute name="class">
              <xsl:if test="/Document/inputs/chromatogram[$row]/ticked != 'да'">unused</xsl:if>
              <xsl:if test="*[6] = '-1.00'"> missing</xsl:if>
            </xsl:attribute>
            <td class="center"><xsl:value-of select="*[1]"/></td>
            <td class="center"><xsl:call-template name="token"><xsl:with-param name="text" select="*[2]"/></xsl:call-template></td>
            <td class="path">
              <xsl:call-template name="path"><xsl:with-param name="text" select="*[3]"/></xsl:call-template>
              <xsl:if test="/Document/inputs/chromatogram[$row]/kind = 'calibration'">
                <span class="badge"><xsl:value-of select="/Document/chromatograms/chromatogram[$row]/kind"/></span>
              </xsl:if>
            </td>
            <td class="method"><xsl:call-template name="cell"><xsl:with-param name="text" select="*[4]"/></xsl:call-template></td>
            <td class="time"><xsl:call-template name="cell"><xsl:with-param name="text" select="*[5]"/></xsl:call-template></td>
            <td class="num">
              <xsl:choose>
                <xsl:when test="*[6] = '-1.00'"><xsl:value-of select="$report.not-given-m"/></xsl:when>
                <xsl:otherwise><xsl:value-of select="*[6]"/></xsl:otherwise>
              </xsl:choose>
            </td>
          </tr>
        </xsl:for-each>
      </tbody>
    </table>
  </xsl:template>

  <!-- The results: one row per component, then the separator and the totals. -->
  <xsl:template match="calc_table">
    <!-- With the rows' details the constants used get two columns of their own. -->
    <xsl:variable name="constants" select="boolean(/Document/result_rows)"/>
    <xsl:variable name="columns" select="8 + 2 * number($constants)"/>
    <!-- The document's captions of its eight columns: №, component, mass, % by mass, delta, volume, % by
         volume, oxygen; the two fractions the page names more fully (`words`). -->
    <xsl:variable name="captions" select="/Document/columns/column"/>
    <table class="results">
      <thead>
        <tr>
          <th class="center" style="width: 7mm">№</th>
          <th><xsl:call-template name="cell"><xsl:with-param name="text" select="$captions[2]"/></xsl:call-template></th>
          <xsl:if test="$constants">
            <th class="num" style="width: 12mm"><xsl:value-of select="$report.molar-mass"/></th>
            <th class="num" style="width: 12mm"><xsl:value-of select="$report.density"/></th>
          </xsl:if>
          <th class="num" style="width: 15mm"><xsl:call-template name="cell"><xsl:with-param name="text" select="$captions[3]"/></xsl:call-template></th>
          <th class="num" style="width: 15mm"><xsl:call-template name="cell"><xsl:with-param name="text" select="/Document/words/mass_fraction"/></xsl:call-template></th>
          <th class="num" style="width: 15mm"><xsl:call-template name="cell"><xsl:with-param name="text" select="$captions[5]"/></xsl:call-template></th>
          <th class="num" style="width: 15mm"><xsl:call-template name="cell"><xsl:with-param name="text" select="$captions[6]"/></xsl:call-template></th>
          <th class="num" style="width: 15mm"><xsl:call-template name="cell"><xsl:with-param name="text" select="/Document/words/volume_fraction"/></xsl:call-template></th>
          <th class="num" style="width: 15mm"><xsl:call-template name="cell"><xsl:with-param name="text" select="$captions[8]"/></xsl:call-template></th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="fill_data[position() &lt; last() - 1]">
          <xsl:variable name="details" select="/Document/result_rows/result_row[position() = current()/*[1]]"/>
          <tr>
            <xsl:attribute name="class">
              <xsl:if test="$details/standard = 'да'">internal-standard</xsl:if>
              <xsl:if test="$details/repeatability_exceeded = 'да'"> exceeded</xsl:if>
            </xsl:attribute>
            <td class="center"><xsl:value-of select="*[1]"/></td>
            <td>
              <xsl:call-template name="cell"><xsl:with-param name="text" select="*[2]"/></xsl:call-template>
              <xsl:if test="$details/standard = 'да'"><span class="badge"><xsl:value-of select="$report.internal-standard"/></span></xsl:if>
              <xsl:if test="$details/oxygen_atoms and $details/oxygen_atoms != '1'">
                <span class="scope">
                  <xsl:value-of select="concat($report.oxygen-atoms, $details/oxygen_atoms)"/>
                </span>
              </xsl:if>
              <xsl:if test="$details/scope != ''">
                <span class="scope"><xsl:value-of select="$details/scope"/></span>
              </xsl:if>
              <xsl:if test="$details/repeatability_exceeded = 'да'">
                <span class="flag">
                  <xsl:value-of select="concat($report.exceeds-r, $details/repeatability_limit)"/>
                </span>
              </xsl:if>
            </td>
            <xsl:if test="$constants">
              <td class="num"><xsl:value-of select="$details/molar_mass"/></td>
              <td class="num"><xsl:value-of select="$details/density"/></td>
            </xsl:if>
            <xsl:for-each select="*[position() &gt; 2]">
              <td>
                <xsl:attribute name="class">
                  <xsl:text>num</xsl:text>
                  <xsl:if test="position() = 3"> delta</xsl:if>
                </xsl:attribute>
                <xsl:value-of select="."/>
              </td>
            </xsl:for-each>
          </tr>
        </xsl:for-each>
        <xsl:if test="count(fill_data) &lt;= 2">
          <tr class="empty">
            <td colspan="{$columns}"><xsl:value-of select="$report.none-found"/></td>
          </tr>
        </xsl:if>
        <tr class="separator">
          <td colspan="{$columns}">&#160;</td>
        </tr>
        <xsl:for-each select="fill_data[last()]">
          <tr class="totals">
            <td>&#160;</td>
            <td>
              <xsl:call-template name="token"><xsl:with-param name="text" select="*[2]"/></xsl:call-template>
              <xsl:if test="/Document/result_rows/result_row[standard = 'да']"><xsl:value-of select="$report.with-standard"/></xsl:if>
            </td>
            <xsl:if test="$constants"><td colspan="2">&#160;</td></xsl:if>
            <xsl:for-each select="*[position() &gt; 2]">
              <td class="num"><xsl:value-of select="."/></td>
            </xsl:for-each>
          </tr>
        </xsl:for-each>
        <xsl:if test="/Document/result_rows/result_row[standard = 'да']">
          <xsl:for-each select="/Document/totals_without_standard">
            <tr class="own">
              <td>&#160;</td>
              <td><xsl:value-of select="$report.total-without-standard"/></td>
              <td colspan="2">&#160;</td>
              <td class="num"><xsl:value-of select="mass"/></td>
              <td class="num"><xsl:value-of select="mass_percent"/></td>
              <td class="num"><xsl:value-of select="delta"/></td>
              <td class="num"><xsl:value-of select="volume"/></td>
              <td class="num"><xsl:value-of select="volume_percent"/></td>
              <td class="num"><xsl:value-of select="oxygen"/></td>
            </tr>
          </xsl:for-each>
        </xsl:if>
      </tbody>
    </table>
  </xsl:template>

  <!-- The sample the determinations were made of; more than one is a mistake to see at once. -->
  <xsl:template match="samples">
    <p>
      <xsl:attribute name="class">
        <xsl:text>sample</xsl:text>
        <xsl:if test="distinct &gt; 1"> several</xsl:if>
      </xsl:attribute>
      <xsl:choose>
        <xsl:when test="not(sample)"><xsl:value-of select="$report.no-sample"/></xsl:when>
        <xsl:otherwise>
          <xsl:choose>
            <xsl:when test="distinct &gt; 1"><xsl:value-of select="$report.samples-different"/></xsl:when>
            <xsl:otherwise><xsl:value-of select="$report.sample"/></xsl:otherwise>
          </xsl:choose>
          <xsl:for-each select="sample">
            <xsl:if test="position() &gt; 1">; </xsl:if>
            <b><xsl:call-template name="cell"><xsl:with-param name="text" select="name"/></xsl:call-template></b>
            <xsl:if test="string-length(mixture) &gt; 0">
              <xsl:value-of select="concat($report.mixture, mixture, ')')"/>
            </xsl:if>
          </xsl:for-each>
        </xsl:otherwise>
      </xsl:choose>
    </p>
  </xsl:template>

  <!-- Each limit of the limits file with the measured value and the verdict. -->
  <xsl:template match="limits">
    <!-- One reason that leaves every verdict open (chromatograms of different samples, say) is said once,
         under the table, not in each row. -->
    <xsl:variable name="doubt" select="string(limit[1]/doubt)"/>
    <xsl:variable name="sharedDoubt" select="string-length($doubt) &gt; 0 and not(limit[string(doubt) != $doubt])"/>
    <!-- A rule with a guard band shows what each verdict rests on: R at the result, w and the acceptance limit. -->
    <xsl:variable name="banded" select="/Document/decision_rule_name = 'iso_4259_2' or /Document/decision_rule_name = 'ilac_g8'"/>
    <xsl:variable name="columns" select="6 + 3 * number($banded)"/>
    <h2><xsl:value-of select="$report.limits"/></h2>
    <table class="results">
      <thead>
        <tr>
          <th>
            <xsl:attribute name="style">
              <xsl:choose><xsl:when test="$banded">width: 40mm</xsl:when><xsl:otherwise>width: 57mm</xsl:otherwise></xsl:choose>
            </xsl:attribute>
            <xsl:value-of select="$report.limit"/>
          </th>
          <th><xsl:value-of select="$report.components"/></th>
          <th style="width: 13mm"><xsl:value-of select="$report.unit"/></th>
          <th class="num" style="width: 16mm"><xsl:value-of select="$report.measured"/></th>
          <th class="num" style="width: 14mm"><xsl:value-of select="$report.maximum"/></th>
          <xsl:if test="$banded">
            <th class="num" style="width: 14mm"><xsl:value-of select="$report.reproducibility"/></th>
            <th class="num" style="width: 14mm"><xsl:value-of select="$report.guard-band"/></th>
            <th class="num" style="width: 16mm"><xsl:value-of select="$report.acceptance-limit"/></th>
          </xsl:if>
          <th style="width: 27mm"><xsl:value-of select="$report.verdict"/></th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="limit">
          <tr>
            <td><xsl:value-of select="name"/></td>
            <td>
              <xsl:value-of select="components"/>
              <xsl:if test="string-length(unknown) &gt; 0">
                <span class="flag"><xsl:value-of select="concat($report.unknown-components, unknown)"/></span>
              </xsl:if>
            </td>
            <td class="unit"><xsl:value-of select="quantity"/></td>
            <td class="num"><xsl:value-of select="measured"/></td>
            <td class="num"><xsl:value-of select="maximum"/></td>
            <xsl:if test="$banded">
              <td class="num"><xsl:value-of select="reproducibility"/></td>
              <td class="num"><xsl:value-of select="guard_band"/></td>
              <td class="num"><xsl:value-of select="acceptance_limit"/></td>
            </xsl:if>
            <td>
              <xsl:attribute name="class">
                <xsl:text>verdict</xsl:text>
                <xsl:if test="outcome = 'exceeds'"> bad</xsl:if>
                <xsl:if test="outcome = 'undetermined'"> unknown</xsl:if>
                <xsl:if test="outcome = 'conditionally_conforms'"> conditionally-conforms</xsl:if>
                <xsl:if test="outcome = 'conditionally_exceeds'"> conditionally-exceeds</xsl:if>
              </xsl:attribute>
              <xsl:value-of select="verdict"/>
              <xsl:if test="string-length(doubt) &gt; 0 and not($sharedDoubt)">
                <span class="flag"><xsl:value-of select="doubt"/></span>
              </xsl:if>
            </td>
          </tr>
        </xsl:for-each>
        <xsl:if test="$sharedDoubt">
          <tr class="limits-error"><td colspan="{$columns}"><xsl:value-of select="concat($report.no-verdicts, $doubt)"/></td></tr>
        </xsl:if>
        <xsl:for-each select="error">
          <tr class="limits-error"><td colspan="{$columns}"><xsl:value-of select="concat($report.limits-file-line, .)"/></td></tr>
        </xsl:for-each>
        <!-- The verdicts stand as the numbers give them; what QC says of them is written beneath. -->
        <xsl:for-each select="/Document/quality[status = 'in_doubt' or status = 'undetermined']">
          <tr class="limits-error"><td colspan="{$columns}"><b><xsl:value-of select="concat($report.verdicts, text)"/></b></td></tr>
        </xsl:for-each>
        <xsl:for-each select="/Document/quality[status = 'not_yet_confirmed']">
          <tr><td colspan="{$columns}" style="color: #7a4d00"><xsl:value-of select="concat($report.verdicts, text)"/></td></tr>
        </xsl:for-each>
      </tbody>
    </table>
    <div class="foot"><xsl:value-of select="$report.limits-from"/><xsl:value-of select="file"/>.
      <xsl:choose>
        <xsl:when test="/Document/decision_rule">
          <xsl:value-of select="concat($report.decision-rule, /Document/decision_rule)"/>
        </xsl:when>
        <xsl:otherwise><xsl:value-of select="$report.compared"/></xsl:otherwise>
      </xsl:choose>
      <xsl:apply-templates select="/Document/inputs/components_file | /Document/inputs/limits_file" mode="version"/>
    </div>
  </xsl:template>

  <!-- The version of a reference table the verdicts rest on: its checksum and its log's last entry. -->
  <xsl:template match="components_file | limits_file" mode="version">
    <xsl:variable name="what">
      <xsl:choose>
        <xsl:when test="self::components_file"><xsl:value-of select="$report.components-table"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$report.limits-file"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:value-of select="concat(' ', $what, ': SHA-256 ', substring(sha256, 1, 12))"/>
    <xsl:if test="logged != ''"><xsl:value-of select="concat($report.change-log, logged)"/></xsl:if>
    <xsl:text>.</xsl:text>
  </xsl:template>

  <!-- The inputs the numbers rest on, each file with the start of its SHA-256: what a check compares. -->
  <xsl:template match="inputs">
    <div class="inputs">
      <div class="title"><xsl:value-of select="$report.inputs"/></div>
      <div class="list">
        <xsl:for-each select="chromatogram | components_file | limits_file | stylesheet | densities_file | qc_file">
          <div class="item">
            <span class="hash">
              <xsl:choose>
                <xsl:when test="file_changed = 'да'"><xsl:value-of select="$report.file-changed"/></xsl:when>
                <xsl:when test="sha256_unavailable = 'да'"><xsl:value-of select="$report.sha-unavailable"/></xsl:when>
                <xsl:otherwise><xsl:call-template name="hash"><xsl:with-param name="sha" select="sha256"/></xsl:call-template></xsl:otherwise>
              </xsl:choose>
            </span>
            <xsl:text>&#160;&#160;</xsl:text>
            <xsl:call-template name="path"><xsl:with-param name="text" select="file"/></xsl:call-template>
          </div>
        </xsl:for-each>
        <xsl:if test="database != ''">
          <div class="item">
            <span class="hash"><xsl:value-of select="$report.database"/></span>
            <xsl:text>&#160;&#160;</xsl:text>
            <xsl:call-template name="path"><xsl:with-param name="text" select="database"/></xsl:call-template>
          </div>
        </xsl:if>
      </div>
    </div>
  </xsl:template>

  <xsl:template name="hash">
    <xsl:param name="sha"/>
    <xsl:choose>
      <xsl:when test="string-length($sha) &gt; 0"><xsl:value-of select="substring($sha, 1, 12)"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$report.not-read"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A path that may break after each folder separator ("\" or "/"), never inside a name. -->
  <xsl:template name="path">
    <xsl:param name="text"/>
    <xsl:variable name="separator">
      <xsl:choose>
        <xsl:when test="contains($text, '\')">\</xsl:when>
        <xsl:otherwise>/</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="string-length($text) = 0">&#8212;</xsl:when>
      <xsl:when test="contains($text, $separator)">
        <span class="segment"><xsl:value-of select="concat(substring-before($text, $separator), $separator)"/></span>
        <xsl:if test="string-length(substring-after($text, $separator)) &gt; 0">
          <wbr/>
          <xsl:call-template name="path">
            <xsl:with-param name="text" select="substring-after($text, $separator)"/>
          </xsl:call-template>
        </xsl:if>
      </xsl:when>
      <xsl:otherwise><span class="segment"><xsl:value-of select="$text"/></span></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- What the numbers rest on but the lab must know: a standard that names no component, a component
       without molar mass or density, a components file that did not read. -->
  <xsl:template match="warnings">
    <div class="warnings">
      <div class="title"><xsl:value-of select="$report.attention"/></div>
      <ul>
        <xsl:for-each select="warning">
          <li><xsl:value-of select="text"/></li>
        </xsl:for-each>
      </ul>
    </div>
  </xsl:template>

  <!-- What the QC results around the series say: in doubt in a box, not yet confirmed or confirmed on a
       line of its own. -->
  <xsl:template match="quality">
    <xsl:choose>
      <xsl:when test="status = 'in_doubt'">
        <div class="warnings">
          <div class="title"><xsl:value-of select="$report.in-doubt"/></div>
          <ul>
            <li><xsl:value-of select="detail"/></li>
            <xsl:for-each select="checks/check"><li><xsl:apply-templates select="." mode="limits"/></li></xsl:for-each>
          </ul>
        </div>
      </xsl:when>
      <xsl:when test="status = 'undetermined'">
        <div class="warnings">
          <div class="title"><xsl:value-of select="text"/></div>
          <ul>
            <li><xsl:value-of select="detail"/></li>
            <xsl:for-each select="checks/check"><li><xsl:apply-templates select="." mode="limits"/></li></xsl:for-each>
          </ul>
        </div>
      </xsl:when>
      <xsl:when test="status = 'not_yet_confirmed'">
        <p class="note" style="color: #7a4d00"><xsl:value-of select="concat($report.not-yet-confirmed, detail)"/></p>
      </xsl:when>
      <xsl:otherwise>
        <p class="note"><xsl:value-of select="concat($report.confirmed, detail)"/></p>
        <xsl:for-each select="checks/check"><p class="note"><xsl:apply-templates select="." mode="limits"/></p></xsl:for-each>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The limits a QC result the mark rests on was held against. -->
  <xsl:template match="check" mode="limits">
    <xsl:value-of select="concat($report.check-limits, chart, $report.quote-close-blank, moment, ': ')"/>
    <xsl:choose>
      <xsl:when test="kind = 'established'">
        <xsl:value-of select="concat($report.established, established_at, $report.reason, reason, $report.by, baseline_count, $report.results-word)"/>
      </xsl:when>
      <xsl:when test="kind = 'provisional'">
        <xsl:value-of select="concat($report.provisional, baseline_count, $report.made-before)"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:value-of select="concat($report.tolerance-only, tolerance)"/>
      </xsl:otherwise>
    </xsl:choose>
    <xsl:if test="centre != ''">
      <xsl:value-of select="concat($report.centre-line, centre, $report.limits-3s, lower, ' … ', upper, $report.mr-limit, mr_upper)"/>
    </xsl:if>
    <xsl:text>.</xsl:text>
  </xsl:template>

  <!-- The electronic signatures a report has, in place of the lines to sign on: who signed, as what, when, with
       which certificate. -->
  <xsl:template match="signatures">
    <div class="signatures signed">
      <p class="signed-heading"><xsl:value-of select="$report.signed-heading"/></p>
      <table>
        <thead>
          <tr>
            <th><xsl:value-of select="$report.signed-meaning"/></th>
            <th><xsl:value-of select="$report.signed-signer"/></th>
            <th><xsl:value-of select="$report.signed-when"/></th>
            <th><xsl:value-of select="$report.signed-certificate"/></th>
          </tr>
        </thead>
        <tbody>
          <xsl:for-each select="signature">
            <tr>
              <td><xsl:value-of select="meaning"/></td>
              <td><xsl:value-of select="signer"/></td>
              <td><xsl:value-of select="concat(signed_local, ' (', signed_utc, ')')"/></td>
              <td><xsl:value-of select="concat($report.signed-serial, certificate_serial, $report.signed-issuer, certificate_issuer)"/></td>
            </tr>
          </xsl:for-each>
        </tbody>
      </table>
    </div>
  </xsl:template>

  <!-- A line to sign on: signature, name, date, with what goes where below it. -->
  <xsl:template name="signature">
    <xsl:param name="role"/>
    <tr>
      <td class="role"><xsl:value-of select="$role"/></td>
      <td class="line sign">&#160;</td>
      <td class="gap">&#160;</td>
      <td class="line">&#160;</td>
      <td class="gap">&#160;</td>
      <td class="line date">&#160;</td>
    </tr>
    <tr class="hints">
      <td>&#160;</td>
      <td><xsl:value-of select="$report.signature"/></td>
      <td>&#160;</td>
      <td><xsl:value-of select="$report.name"/></td>
      <td>&#160;</td>
      <td><xsl:value-of select="$report.date"/></td>
    </tr>
  </xsl:template>

  <!-- Where the report stands in the lab's register: a draft, or its number, when and by whom it was issued,
       and the report it takes the place of. -->
  <xsl:template match="registration">
    <xsl:choose>
      <xsl:when test="status = 'draft'">
        <p class="register draft"><xsl:value-of select="$report.draft-line"/></p>
      </xsl:when>
      <xsl:otherwise>
        <p class="register"><span class="number"><xsl:value-of select="concat($report.number, number)"/></span>
          <xsl:value-of select="concat($report.issued, issued, $report.issued-by, issued_by)"/></p>
        <xsl:apply-templates select="supersedes"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="supersedes">
    <div class="replaces">
      <b><xsl:value-of select="concat($report.replaces, number, $report.replaces-from, issued)"/></b>
      <xsl:choose>
        <xsl:when test="status = 'withdrawn'"><xsl:value-of select="$report.replaced-withdrawn"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$report.replaced-amended"/></xsl:otherwise>
      </xsl:choose>
      <p><xsl:value-of select="concat($report.why, reason)"/></p>
    </div>
  </xsl:template>

  <!-- A notice withdrawing an issued report: its own number, the report it withdraws and why, and that
       report's files, so that every copy of it is known for void. -->
  <xsl:template match="Document[notice]" priority="1">
    <xsl:variable name="withdrawn" select="notice/withdraws"/>
    <div class="head">
      <div class="kind"><xsl:value-of select="$report.notice-kind"/><xsl:if test="program">
          <xsl:value-of select="concat(' · ', program/name, ' ', program/version)"/></xsl:if></div>
      <h1><xsl:value-of select="$report.heading"/><span class="standard"><xsl:value-of select="$report.standard-name"/></span></h1>
      <p class="register"><span class="number"><xsl:value-of select="concat($report.number, notice/number)"/></span>
        <xsl:value-of select="concat($report.issued, notice/issued, $report.issued-by, notice/issued_by)"/></p>
    </div>
    <div class="replaces">
      <b><xsl:value-of select="concat($report.replaces, $withdrawn/number, $report.replaces-from, $withdrawn/issued)"/></b>
      <xsl:value-of select="$report.replaced-withdrawn"/>
      <p><xsl:value-of select="concat($report.why, $withdrawn/reason)"/></p>
    </div>
    <div class="notice">
      <p class="void"><xsl:value-of select="concat($report.notice-void, $withdrawn/number, $report.notice-void-end)"/></p>
      <p><xsl:value-of select="$report.sample"/><b><xsl:call-template name="cell"><xsl:with-param name="text" select="$withdrawn/sample"/></xsl:call-template></b></p>
      <p><xsl:value-of select="$report.notice-files"/></p>
      <table>
        <tbody>
          <xsl:for-each select="$withdrawn/file">
            <tr>
              <td><xsl:value-of select="name"/></td>
              <td class="hash"><xsl:value-of select="sha256"/></td>
            </tr>
          </xsl:for-each>
        </tbody>
      </table>
    </div>
    <div class="signatures">
      <table>
        <tbody>
          <xsl:call-template name="signature">
            <xsl:with-param name="role"><xsl:value-of select="$report.withdrawn-by"/></xsl:with-param>
          </xsl:call-template>
        </tbody>
      </table>
    </div>
  </xsl:template>

  <!-- A text cell that is never left empty. -->
  <xsl:template name="cell">
    <xsl:param name="text"/>
    <xsl:choose>
      <xsl:when test="string-length($text) &gt; 0"><xsl:value-of select="$text"/></xsl:when>
      <xsl:otherwise>&#8212;</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

</xsl:stylesheet>

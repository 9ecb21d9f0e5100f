<?xml version="1.0" encoding="UTF-8"?>
<!--
  The oxygenate report: turns the report document (Document: standart, density_proba, files,
  calc_table, oxygen, and warnings when the calculation has any) into one XHTML page, printable on A4.

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
        <title>Отчёт: кислородсодержащие соединения, ГОСТ EN 13132-2012</title>
        <style type="text/css">
          @page { size: A4 portrait; margin: 14mm 12mm 14mm 20mm;
                  @bottom-right { content: "Страница " counter(page) " из " counter(pages);
                                  font: 8pt Arial, "DejaVu Sans", sans-serif; color: #555; } }
          * { box-sizing: border-box; }
          html, body { margin: 0; padding: 0; }
          body { font: 10pt/1.35 Arial, "Liberation Sans", "DejaVu Sans", sans-serif; color: #000;
                 background: #fff; -webkit-print-color-adjust: exact; print-color-adjust: exact; }
          .sheet { width: 178mm; margin: 0 auto; }
          @media screen {
            body { background: #e9ebee; }
            .sheet { width: 210mm; min-height: 297mm; margin: 8mm auto; padding: 14mm 12mm 14mm 20mm;
                     background: #fff; box-shadow: 0 1px 6px rgba(0, 0, 0, 0.25); }
          }
          table { border-collapse: collapse; width: 100%; font: inherit; font-size: 9pt; }
          th, td { border: 0.6pt solid #444; padding: 0.65mm 1.5mm; vertical-align: top; text-align: left; }
          thead { display: table-header-group; }
          tr { page-break-inside: avoid; break-inside: avoid; }
          th { background: #e6e9ee; font-weight: bold; vertical-align: bottom; }

          .head { border-bottom: 1.5pt solid #000; padding-bottom: 2.5mm; margin-bottom: 4mm; }
          .kind { font-size: 8.5pt; letter-spacing: 0.08em; text-transform: uppercase; color: #444; }
          h1 { font-size: 13pt; line-height: 1.25; margin: 1.5mm 0 2mm 0; }
          .standard { white-space: nowrap; }
          .made { font-size: 9.5pt; margin: 0; }
          h2 { font-size: 11pt; margin: 5mm 0 2mm 0; page-break-after: avoid; break-after: avoid; }
          p { margin: 0 0 2mm 0; }
          .note { font-size: 8.5pt; color: #333; }

          table.settings { width: auto; min-width: 100mm; font-size: 10pt; }
          table.settings th { background: #f3f4f6; font-weight: normal; vertical-align: top; width: 62mm; }
          table.settings td { font-weight: bold; }

          td.num, th.num { text-align: right; }
          td.num { white-space: nowrap; }
          td.center, th.center { text-align: center; }
          td.path { word-break: break-all; font-size: 8pt; }
          td.time { white-space: nowrap; }
          tr.unused td { color: #666; }
          tr.missing td.num { font-style: italic; }
          tr.separator td { border-left: 0; border-right: 0; padding: 0; height: 1.6mm; font-size: 1pt; }
          tr.totals td { font-weight: bold; background: #f3f4f6; border-top: 1.2pt solid #000; }
          tr.empty td { text-align: center; font-style: italic; color: #444; }

          .oxygen { display: table; width: 100%; margin: 5mm 0 0 0; border: 1.5pt solid #000;
                    background: #f3f4f6; page-break-inside: avoid; break-inside: avoid; }
          .oxygen div { display: table-cell; vertical-align: middle; padding: 3mm 5mm; }
          .oxygen .label { font-size: 10.5pt; font-weight: bold; }
          .oxygen .value { text-align: right; font-size: 16pt; font-weight: bold; white-space: nowrap; }
          .oxygen .unit { font-size: 10.5pt; font-weight: normal; }

          .signatures { margin-top: 3mm; page-break-inside: avoid; break-inside: avoid; }
          .signatures table { font-size: 10pt; }
          .signatures td { border: 0; padding: 4mm 0 0.6mm 0; vertical-align: bottom; }
          .signatures td.role { width: 38mm; }
          .signatures td.line { border-bottom: 0.6pt solid #000; }
          .signatures td.sign { width: 38mm; }
          .signatures td.date { width: 30mm; }
          .signatures td.gap { width: 6mm; }
          .signatures tr.hints td { padding: 0.6mm 0 0 0; font-size: 7.5pt; color: #555; text-align: center;
                                    vertical-align: top; }
          .foot { margin-top: 1.5mm; font-size: 7.5pt; color: #555; }

          .warnings { margin: 0 0 4mm 0; padding: 2mm 3mm; border: 1.2pt solid #b00020; background: #fdecee;
                      page-break-inside: avoid; break-inside: avoid; }
          .warnings .title { font-weight: bold; color: #b00020; margin-bottom: 1mm; }
          .warnings ul { margin: 0; padding-left: 5mm; }
          .warnings li { margin: 0.5mm 0; }
        </style>
      </head>
      <body>
        <div class="sheet">
          <xsl:apply-templates select="Document"/>
        </div>
        <!-- The date of the report is when its file was written; without scripts a blank line is left
             to fill in by hand. The script avoids the characters XML would escape. -->
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
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Document">
    <div class="head">
      <div class="kind">Отчёт о расчёте</div>
      <h1>Определение органических кислородсодержащих соединений и общего содержания органически
        связанного кислорода в бензине методом газовой хроматографии по <span class="standard">ГОСТ&#160;EN&#160;13132-2012</span></h1>
      <p class="made">Дата составления отчёта: <span id="made">«____» ______________ 20____ г.</span></p>
    </div>

    <xsl:apply-templates select="warnings"/>

    <h2>1. Условия расчёта</h2>
    <table class="settings">
      <tbody>
        <tr>
          <th>Внутренний стандарт</th>
          <td>
            <xsl:choose>
              <xsl:when test="warnings/warning[kind = 'standard_not_found']">
                <xsl:value-of select="concat('«', warnings/warning[kind = 'standard_not_found']/subject, '» — нет в таблице компонентов')"/>
              </xsl:when>
              <xsl:when test="standart = '---'">не задан (нет в таблице компонентов)</xsl:when>
              <xsl:otherwise><xsl:value-of select="standart"/></xsl:otherwise>
            </xsl:choose>
          </td>
        </tr>
        <tr>
          <th>Плотность пробы, кг/м³</th>
          <td><xsl:value-of select="density_proba"/></td>
        </tr>
      </tbody>
    </table>

    <h2>2. Хроматограммы</h2>
    <xsl:choose>
      <xsl:when test="files/fill_data">
        <xsl:apply-templates select="files"/>
      </xsl:when>
      <xsl:otherwise>
        <p class="note">Список хроматограмм пуст.</p>
      </xsl:otherwise>
    </xsl:choose>

    <h2>3. Результаты расчёта</h2>
    <xsl:apply-templates select="calc_table"/>
    <div class="foot">Расчёт по хроматограммам, отмеченным «Да». Массовые доли и кислород — в процентах
      от массы пробы; «Дельта» — расхождение массовой доли компонента между параллельными
      определениями.</div>

    <div class="oxygen">
      <div class="label">Общее содержание органически связанного кислорода</div>
      <div class="value"><xsl:value-of select="oxygen"/><span class="unit">&#160;% масс.</span></div>
    </div>

    <div class="signatures">
      <table>
        <tbody>
          <xsl:call-template name="signature">
            <xsl:with-param name="role">Расчёт выполнил</xsl:with-param>
          </xsl:call-template>
          <xsl:call-template name="signature">
            <xsl:with-param name="role">Проверил</xsl:with-param>
          </xsl:call-template>
        </tbody>
      </table>
    </div>

  </xsl:template>

  <!-- The chromatograms: number, used, file, method, analysis time, sample mass. -->
  <xsl:template match="files">
    <p class="note">
      <xsl:value-of select="concat('Учтено в расчёте: ', count(fill_data[*[2] = 'Да']), ' из ', count(fill_data))"/>
    </p>
    <table>
      <thead>
        <tr>
          <th class="center" style="width: 8mm">№</th>
          <th class="center" style="width: 15mm">Учтена</th>
          <th>Файл хроматограммы</th>
          <th style="width: 46mm">Метод</th>
          <th style="width: 26mm">Время анализа</th>
          <th class="num" style="width: 18mm">Масса пробы, г</th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="fill_data">
          <tr>
            <xsl:attribute name="class">
              <xsl:if test="*[2] != 'Да'">unused</xsl:if>
              <xsl:if test="*[6] = '-1.00'"> missing</xsl:if>
            </xsl:attribute>
            <td class="center"><xsl:value-of select="*[1]"/></td>
            <td class="center"><xsl:value-of select="*[2]"/></td>
            <td class="path"><xsl:call-template name="cell"><xsl:with-param name="text" select="*[3]"/></xsl:call-template></td>
            <td><xsl:call-template name="cell"><xsl:with-param name="text" select="*[4]"/></xsl:call-template></td>
            <td class="time"><xsl:call-template name="cell"><xsl:with-param name="text" select="*[5]"/></xsl:call-template></td>
            <td class="num">
              <xsl:choose>
                <xsl:when test="*[6] = '-1.00'">не указана</xsl:when>
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
    <table>
      <thead>
        <tr>
          <th class="center" style="width: 8mm">№</th>
          <th>Компонент</th>
          <th class="num" style="width: 18mm">Масса, г</th>
          <th class="num" style="width: 19mm">Массовая доля, %</th>
          <th class="num" style="width: 18mm">Дельта, % масс.</th>
          <th class="num" style="width: 18mm">Объём, см³</th>
          <th class="num" style="width: 19mm">Объёмная доля, %</th>
          <th class="num" style="width: 20mm">Кислород, % масс.</th>
        </tr>
      </thead>
      <tbody>
        <xsl:for-each select="fill_data[position() &lt; last() - 1]">
          <tr>
            <td class="center"><xsl:value-of select="*[1]"/></td>
            <td><xsl:call-template name="cell"><xsl:with-param name="text" select="*[2]"/></xsl:call-template></td>
            <xsl:for-each select="*[position() &gt; 2]">
              <td class="num"><xsl:value-of select="."/></td>
            </xsl:for-each>
          </tr>
        </xsl:for-each>
        <xsl:if test="count(fill_data) &lt;= 2">
          <tr class="empty">
            <td colspan="8">Ни один компонент таблицы не найден в отмеченных хроматограммах.</td>
          </tr>
        </xsl:if>
        <tr class="separator">
          <td colspan="8">&#160;</td>
        </tr>
        <xsl:for-each select="fill_data[last()]">
          <tr class="totals">
            <td>&#160;</td>
            <td><xsl:value-of select="*[2]"/></td>
            <xsl:for-each select="*[position() &gt; 2]">
              <td class="num"><xsl:value-of select="."/></td>
            </xsl:for-each>
          </tr>
        </xsl:for-each>
      </tbody>
    </table>
  </xsl:template>

  <!-- What the numbers rest on but the lab must know: a standard that names no component, a component
       without molar mass or density, a components file that did not read. -->
  <xsl:template match="warnings">
    <div class="warnings">
      <div class="title">Внимание: результаты требуют проверки</div>
      <ul>
        <xsl:for-each select="warning">
          <li><xsl:value-of select="text"/></li>
        </xsl:for-each>
      </ul>
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
      <td>подпись</td>
      <td>&#160;</td>
      <td>фамилия, инициалы</td>
      <td>&#160;</td>
      <td>дата</td>
    </tr>
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

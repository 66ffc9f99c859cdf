<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CalculationNote</name>
    <message>
        <source>, field %1: &quot;%2&quot;</source>
        <translation>，字段 %1：“%2”</translation>
    </message>
    <message>
        <source>Plane frame, sharp bends, bending stress only, both ends clamped.</source>
        <translation>平面刚架，弯头按折角计，只计弯曲应力，两端固定。</translation>
    </message>
    <message>
        <source>E = %1 GPa, [S] = %2 MPa.</source>
        <translation>E = %1 GPa，[S] = %2 MPa。</translation>
    </message>
    <message>
        <source>Free expansion per metre of pipe, T in ℃: %1.</source>
        <translation>每米管道的自由膨胀量（T 以 ℃ 计）：%1。</translation>
    </message>
    <message>
        <source>Free expansion at T = %1 ℃: %2 mm/m.</source>
        <translation>T = %1 ℃ 时的自由膨胀量：%2 mm/m。</translation>
    </message>
    <message>
        <source>Calculation note</source>
        <translation>计算书</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>管系形式：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>程序：%1</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Calculation failed: %1</source>
        <translation>计算失败：%1</translation>
    </message>
    <message>
        <source>Results (as shown, and in SI units)</source>
        <translation>结果（显示值及国际单位制值）</translation>
    </message>
    <message>
        <source>Governing ratio: %1</source>
        <translation>控制应力比：%1</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>结论：%1</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>假定</translation>
    </message>
    <message>
        <source>Input row for %1:</source>
        <translation>%1 的输入行：</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>管系形式</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>显示值</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>国际单位制值</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>国际单位</translation>
    </message>
    <message>
        <source>The window shows results of other inputs: this note is computed from the inputs as they stand.</source>
        <translation>窗口中显示的是其他输入的结果：本计算书按当前输入计算。</translation>
    </message>
    <message>
        <source>With elbows</source>
        <translation>带弯头</translation>
    </message>
    <message>
        <source>With guides</source>
        <translation>设导向支架</translation>
    </message>
    <message>
        <source>Checks of the inputs</source>
        <translation>输入检查</translation>
    </message>
    <message>
        <source>Save calculation</source>
        <translation>保存计算</translation>
    </message>
    <message>
        <source>Open calculation</source>
        <translation>打开计算</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>elbows R = %1 = %2 m</source>
        <translation>弯头 R = %1 = %2 m</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CalculationSheet</name>
    <message>
        <source>Calculation sheet – %1</source>
        <translation>计算单 – %1</translation>
    </message>
    <message>
        <source>Calculation sheet</source>
        <translation>计算单</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>管系形式</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Schematic, not to scale</source>
        <translation>示意图，不按比例</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>无法打印：%1</translation>
    </message>
    <message>
        <source>The sheet could not be printed.</source>
        <translation>计算单未能打印。</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>CodeSection</name>
    <message>
        <source>given</source>
        <translation>给定</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>M, kN·m</source>
        <translation>M，kN·m</translation>
    </message>
    <message>
        <source>SE, MPa</source>
        <translation>SE，MPa</translation>
    </message>
    <message>
        <source>SA, MPa</source>
        <translation>SA，MPa</translation>
    </message>
    <message>
        <source>The panel&apos;s check: [S] = %1 MPa, sharp corners, growth from 0 ℃</source>
        <translation>面板的校核：[S] = %1 MPa，尖角，自 0 ℃ 起的膨胀</translation>
    </message>
    <message>
        <source>Code check: %1</source>
        <translation>规范校核：%1</translation>
    </message>
    <message>
        <source>elbows as the panel&apos;s: %1</source>
        <translation>弯头同面板：%1</translation>
    </message>
    <message>
        <source>the panel has sharp corners only: the code check takes long-radius elbows (R = 1.5·D)</source>
        <translation>面板仅为尖角：规范校核按长半径弯头（R = 1.5·D）计算</translation>
    </message>
    <message>
        <source>Installed at %1 ℃; the displacement range from %2 to %3 ℃; %4.</source>
        <translation>安装温度 %1 ℃；位移范围自 %2 ℃ 至 %3 ℃；%4。</translation>
    </message>
    <message>
        <source>No answer: %1</source>
        <translation>无结果：%1</translation>
    </message>
    <message>
        <source>Cautions: %1</source>
        <translation>注意：%1</translation>
    </message>
    <message>
        <source>Material: %1.</source>
        <translation>材料：%1。</translation>
    </message>
    <message>
        <source>my values</source>
        <translation>自定义值</translation>
    </message>
    <message>
        <source>Ea = %1 GPa (%2), Eh = %3 GPa (%4).</source>
        <translation>Ea = %1 GPa（%2），Eh = %3 GPa（%4）。</translation>
    </message>
    <message>
        <source>Sc = %1 MPa at %2 ℃, Sh = %3 MPa at %4 ℃ (%5).</source>
        <translation>%2 ℃ 时 Sc = %1 MPa，%4 ℃ 时 Sh = %3 MPa（%5）。</translation>
    </message>
    <message>
        <source>Free growth over the range: %1 mm/m (%2).</source>
        <translation>范围内的自由膨胀量：%1 mm/m（%2）。</translation>
    </message>
    <message>
        <source>f = 6.0·N^−0.2 = 6.0·%1^−0.2, at most fm = %2 and at least 0.15: f = %3 (302.3.5(d)).</source>
        <translation>f = 6.0·N^−0.2 = 6.0·%1^−0.2，不大于 fm = %2 且不小于 0.15：f = %3（302.3.5(d)）。</translation>
    </message>
    <message>
        <source>SA = f[1.25(Sc + Sh) − SL] = %1·[1.25(%2 + %3) − %4] = %5 MPa (1b).</source>
        <translation>SA = f[1.25(Sc + Sh) − SL] = %1·[1.25(%2 + %3) − %4] = %5 MPa（式 1b）。</translation>
    </message>
    <message>
        <source>SA = f(1.25·Sc + 0.25·Sh) = %1·(1.25·%2 + 0.25·%3) = %4 MPa (1a).</source>
        <translation>SA = f(1.25·Sc + 0.25·Sh) = %1·(1.25·%2 + 0.25·%3) = %4 MPa（式 1a）。</translation>
    </message>
    <message>
        <source>passes the code check</source>
        <translation>通过规范校核</translation>
    </message>
    <message>
        <source>fails the code check</source>
        <translation>未通过规范校核</translation>
    </message>
    <message>
        <source>Hot anchor loads, Rm = R(1 − 2C/3)·Em/Ea (319.5.1): %1.</source>
        <translation>热态固定支架荷载，Rm = R(1 − 2C/3)·Em/Ea（319.5.1）：%1。</translation>
    </message>
    <message>
        <source>Cold anchor loads, the greater of C·R and C1·R with C1 = %1 (319.5.1): %2.</source>
        <translation>冷态固定支架荷载，取 C·R 与 C1·R 中的较大者，C1 = %1（319.5.1）：%2。</translation>
    </message>
    <message>
        <source>319.4.1: D·y/(L − U)² = %1 against K1 = 208 000·SA/Ea = %2: %3.</source>
        <translation>319.4.1：D·y/(L − U)² = %1，对比 K1 = 208 000·SA/Ea = %2：%3。</translation>
    </message>
    <message>
        <source>no formal analysis needed</source>
        <translation>无需正式分析</translation>
    </message>
    <message>
        <source>a formal analysis is needed</source>
        <translation>需要正式分析</translation>
    </message>
    <message>
        <source>319.4.1: no screen for a run in one line.</source>
        <translation>319.4.1：管段在一条直线上时不作此判别。</translation>
    </message>
    <message>
        <source>Governing SE/SA: %1 at %2: %3</source>
        <translation>控制 SE/SA：%1（%2）：%3</translation>
    </message>
    <message>
        <source>the guide on L%1</source>
        <translation>L%1 上的导向支架</translation>
    </message>
    <message>
        <source>The guided frame is checked: %1, SE at each guide (i = 1).</source>
        <translation>校核带导向支架的框架：%1，并给出各导向支架处的 SE（i = 1）。</translation>
    </message>
    <message>
        <source>guide on L%1</source>
        <translation>L%1 上的导向支架</translation>
    </message>
    <message>
        <source>no guide on L%1</source>
        <translation>L%1 上无导向支架</translation>
    </message>
    <message>
        <source>the expansion</source>
        <translation>膨胀量</translation>
    </message>
    <message>
        <source>%1, the value given is used</source>
        <translation>%1，采用给定值</translation>
    </message>
    <message>
        <source>the calculation failed</source>
        <translation>计算失败</translation>
    </message>
    <message>
        <source>%1 of %2 at %3 ℃: outside its table, %4 to %5 ℃</source>
        <translation>%2 的 %1 在 %3 ℃ 时超出其表的范围（%4 至 %5 ℃）</translation>
    </message>
    <message>
        <source>%1 of %2: no confirmed table, give it</source>
        <translation>%2 的 %1：无经核实的表，请给出该值</translation>
    </message>
    <message>
        <source>no material: give %1</source>
        <translation>未选材料：请给出 %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>the elbows do not fit L%1</source>
        <translation>弯头在 L%1 上放不下</translation>
    </message>
    <message>
        <source>no frame with elbows for these inputs</source>
        <translation>此几何形状在带弯头时无解</translation>
    </message>
    <message>
        <source>no frame with guides for these inputs</source>
        <translation>此几何形状在设导向支架时无解</translation>
    </message>
    <message>
        <source>no material: every value is the one given</source>
        <translation>未选材料：所有数值均为给定值</translation>
    </message>
    <message>
        <source>Sc and Sh limited to 138 MPa as f &gt; 1 (302.3.5(d))</source>
        <translation>因 f &gt; 1，Sc 和 Sh 取不超过 138 MPa（302.3.5(d)）</translation>
    </message>
    <message>
        <source>D/t = %1 above 100: Appendix D&apos;s factors are validated up to 100 (Table D300, Note 1)</source>
        <translation>D/t = %1 大于 100：附录 D 的系数仅验证至 100（表 D300 注 1）</translation>
    </message>
    <message>
        <source>i = %1 is 5 or more (319.4.1)</source>
        <translation>i = %1 不小于 5（319.4.1）</translation>
    </message>
    <message>
        <source>L/U = %1 above 2.5: the 319.4.1 screen does not apply</source>
        <translation>L/U = %1 大于 2.5：319.4.1 的判别不适用</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>ElbowTexts</name>
    <message>
        <source>Elbows</source>
        <translation>弯头</translation>
    </message>
    <message>
        <source>Sharp corners only</source>
        <translation>仅按尖角</translation>
    </message>
    <message>
        <source>Short radius, %1</source>
        <translation>短半径，%1</translation>
    </message>
    <message>
        <source>Long radius, %1</source>
        <translation>长半径，%1</translation>
    </message>
    <message>
        <source>short-radius elbows</source>
        <translation>短半径弯头</translation>
    </message>
    <message>
        <source>long-radius elbows</source>
        <translation>长半径弯头</translation>
    </message>
    <message>
        <source>elbows of R = %1</source>
        <translation>R = %1 的弯头</translation>
    </message>
    <message>
        <source>with %1: the elbows do not fit L%2</source>
        <translation>采用%1：弯头在 L%2 上放不下</translation>
    </message>
    <message>
        <source>with %1: no answer for this geometry</source>
        <translation>采用%1：此几何形状无解</translation>
    </message>
    <message>
        <source>with %1: %2 %3</source>
        <translation>采用%1：%2 %3</translation>
    </message>
    <message>
        <source>with %1: %2; k = %3, i = %4</source>
        <translation>采用%1：%2；k = %3，i = %4</translation>
    </message>
    <message>
        <source>the stress exceeds the allowable stress with %1</source>
        <translation>采用%1时应力超过许用应力</translation>
    </message>
    <message>
        <source>With elbows of R = %1</source>
        <translation>弯头 R = %1 时</translation>
    </message>
    <message>
        <source>The elbows do not fit L%1: their tangent lengths exceed the leg.</source>
        <translation>弯头在 L%1 上放不下：其切线长度超过该管段。</translation>
    </message>
    <message>
        <source>No answer with elbows for this geometry.</source>
        <translation>此几何形状在带弯头时无解。</translation>
    </message>
    <message>
        <source>Flexibility factor k = %1, stress intensification factor i = %2 (ASME B31.3 Appendix D).</source>
        <translation>柔性系数 k = %1，应力增强系数 i = %2（ASME B31.3 附录 D）。</translation>
    </message>
    <message>
        <source>Governing ratio: %1</source>
        <translation>控制应力比：%1</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>结论：%1</translation>
    </message>
    <message>
        <source>The layout passes with sharp corners but exceeds the allowable stress with %1.</source>
        <translation>按尖角计算满足要求，但采用%1时超过许用应力。</translation>
    </message>
    <message>
        <source>The layout exceeds the allowable stress with sharp corners but passes with %1.</source>
        <translation>按尖角计算超过许用应力，但采用%1时满足要求。</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1：%2，%3</translation>
    </message>
    <message>
        <source>%1 = %2 [S]</source>
        <translation>%1 = %2 [S]</translation>
    </message>
    <message>
        <source>%1: %2 at %3, %4</source>
        <translation>%1：%3处的%2，%4</translation>
    </message>
</context>
<context>
    <name>GuideTexts</name>
    <message>
        <source>guides %1 m from the bends</source>
        <translation>距弯头 %1 m 的导向支架</translation>
    </message>
    <message>
        <source>with %1: the elbows do not fit L%2</source>
        <translation>采用%1：弯头在 L%2 上放不下</translation>
    </message>
    <message>
        <source>with %1: no answer for this geometry</source>
        <translation>采用%1：此几何形状无解</translation>
    </message>
    <message>
        <source>with %1: %2 %3</source>
        <translation>采用%1：%2 %3</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>采用%1时</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1及%2</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>结论：%1</translation>
    </message>
    <message>
        <source>The elbows do not fit L%1: their tangent lengths exceed the leg.</source>
        <translation>弯头在 L%1 上放不下：其切线长度超过该管段。</translation>
    </message>
    <message>
        <source>No answer with guides for this geometry.</source>
        <translation>此几何形状在设导向支架时无解。</translation>
    </message>
    <message>
        <source>Guide on L%1: force across the leg %2 kg, ratio %3.</source>
        <translation>L%1 上的导向支架：垂直于管段的力 %2 kg，应力比 %3。</translation>
    </message>
    <message>
        <source>No guide on L%1: the leg is not longer than g, or its elbow reaches past it.</source>
        <translation>L%1 上无导向支架：该管段不长于 g，或其弯头越过导向支架的位置。</translation>
    </message>
    <message>
        <source>Governing ratio: %1</source>
        <translation>控制应力比：%1</translation>
    </message>
    <message>
        <source>%1 at a guide</source>
        <translation>%1，位于导向支架处</translation>
    </message>
    <message>
        <source>Anchor loads along their legs with the supports&apos; friction (w = %1 N/m, μ = %2): point 1 %3 kN, point %4 %5 kN.</source>
        <translation>计入支架摩擦的固定点沿管段方向荷载（w = %1 N/m，μ = %2）：点 1 %3 kN，点 %4 %5 kN。</translation>
    </message>
    <message>
        <source>Guides – %1</source>
        <translation>导向支架 – %1</translation>
    </message>
    <message>
        <source>A guide on each leg from an anchor to a bend</source>
        <translation>在每段从固定点到弯头的管段上设导向支架</translation>
    </message>
    <message>
        <source>Distance g from the bend&apos;s corner point (m):</source>
        <translation>距弯头角点的距离 g（m）：</translation>
    </message>
    <message>
        <source>Weight per metre w, pipe, contents and insulation (N/m; 0: no friction):</source>
        <translation>每米重量 w，含管道、介质和保温（N/m；0：不计摩擦）：</translation>
    </message>
    <message>
        <source>Friction coefficient μ of the supports:</source>
        <translation>支架摩擦系数 μ：</translation>
    </message>
</context>
<context>
    <name>ReviewSections</name>
    <message>
        <source>Installation (installed at %1 ℃)</source>
        <translation>安装温度（按 %1 ℃ 安装）</translation>
    </message>
    <message>
        <source>Not defined: there is no free expansion at the temperature entered (e(T) = 0).</source>
        <translation>无定义：所填温度下没有自由膨胀（e(T) = 0）。</translation>
    </message>
    <message>
        <source>Factor (e(T) − e(T0)) / e(T) = (%1 − %2) / %1 = %3, e in mm/m.</source>
        <translation>系数 (e(T) − e(T0)) / e(T) = (%1 − %2) / %1 = %3，e 的单位为 mm/m。</translation>
    </message>
    <message>
        <source>Governing ratio: %1</source>
        <translation>控制应力比：%1</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>结论：%1</translation>
    </message>
    <message>
        <source>Movements of the bend points (mm, both anchors held)</source>
        <translation>弯头点位移（mm，两端固定支架不动）</translation>
    </message>
    <message>
        <source>Not defined for a run on one straight line.</source>
        <translation>管段在一条直线上时无定义。</translation>
    </message>
    <message>
        <source>x along the first leg away from the start anchor, y across it as the drawing shows; free thermal growth plus bending of the sharp-corner frame.</source>
        <translation>x 沿第一段管离开起点固定支架的方向，y 按简图垂直于它；为自由热伸长加上尖角框架的弯曲变形。</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>点</translation>
    </message>
    <message>
        <source>Cross-check (hand methods)</source>
        <translation>校核（手算方法）</translation>
    </message>
    <message>
        <source>passes</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>不通过</translation>
    </message>
    <message>
        <source>ASME B31.3 319.4.1 (GB 50316) screen D·y/(L − U)² = %1: %2 K1 = 208.3 (the code&apos;s allowable stress range, about 200 MPa for carbon steel); %3 K1 = 208000·[S]/E = %4 ([S] = %5 MPa, E = %6 GPa).</source>
        <translation>ASME B31.3 319.4.1（GB 50316）简化判别式 D·y/(L − U)² = %1：K1 = 208.3（规范的许用应力范围，碳钢约 200 MPa）%2；K1 = 208000·[S]/E = %4（[S] = %5 MPa，E = %6 GPa）%3。</translation>
    </message>
    <message>
        <source>ASME B31.3 319.4.1 screen: not defined for a run on one straight line.</source>
        <translation>ASME B31.3 319.4.1 简化判别式：管段在一条直线上时无定义。</translation>
    </message>
    <message>
        <source>Guided cantilever, S = 3·E·D·Δ/L² per leg: governing ratio %1</source>
        <translation>导向悬臂法，每段 S = 3·E·D·Δ/L²：控制应力比 %1</translation>
    </message>
    <message>
        <source>; exact ÷ hand = %1</source>
        <translation>；精确值 ÷ 手算值 = %1</translation>
    </message>
    <message>
        <source>Section: I = %1 cm⁴, Z = %2 cm³, EI = %3 kN·m².</source>
        <translation>截面：I = %1 cm⁴，Z = %2 cm³，EI = %3 kN·m²。</translation>
    </message>
    <message>
        <source>Free growth from 0 ℃ the anchors hold back: %1 mm across the run, %2 mm along it; the anchors %3 m apart from the legs, %4 m of pipe along them.</source>
        <translation>自 0 ℃ 起固定支架约束的自由伸长：横向 %1 mm，纵向 %2 mm；按各段计算两固定支架相距 %3 m，管道展开长度 %4 m。</translation>
    </message>
    <message>
        <source>Installed at – %1</source>
        <translation>安装温度 – %1</translation>
    </message>
    <message>
        <source>Temperature at which the pipe is anchored (℃):</source>
        <translation>管道固定时的温度（℃）：</translation>
    </message>
    <message>
        <source>from 0 ℃, as the panel&apos;s results</source>
        <translation>自 0 ℃ 起算，与面板结果相同</translation>
    </message>
    <message>
        <source>installed at %1 ℃</source>
        <translation>按 %1 ℃ 安装</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1——%2</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>安装后</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>ASME B31.3 319.4.1 screen: invalid, the inputs describe no pipe.</source>
        <translation>ASME B31.3 319.4.1 简化判别式：无效，输入不构成管道。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>on L%1 %2 mm</source>
        <translation>L%1 上 %2 mm</translation>
    </message>
    <message>
        <source>The guides hold their points across their legs; along them they slide %1 (+ towards the far anchor).</source>
        <translation>导向支架处的管道不能垂直于管段移动，只沿管段滑动：%1（向终点固定支座为正）。</translation>
    </message>
    <message>
        <source>Of the run with its %1.</source>
        <translation>此为带%1的管系位移。</translation>
    </message>
    <message>
        <source>Of the run with its %1; no guide on %2.</source>
        <translation>此为带%1的管系位移；%2 上无导向支架。</translation>
    </message>
</context>
<context>
    <name>RunDrawing</name>
    <message>
        <source>This run to scale 1:%1, from its own geometry; dimensions as entered</source>
        <translation>本管段按 1:%1 比例绘制，依据其自身几何尺寸；尺寸为所填数值</translation>
    </message>
    <message>
        <source>x along L1 from point 1, y across it; arrows: positive Fx, Fy and Mz</source>
        <translation>x 自点 1 沿 L1，y 与之垂直；箭头：Fx、Fy 和 Mz 的正方向</translation>
    </message>
    <message>
        <source>; %1</source>
        <translation>；%1</translation>
    </message>
    <message>
        <source>Fx, x</source>
        <translation>Fx，x</translation>
    </message>
    <message>
        <source>Fy, y</source>
        <translation>Fy，y</translation>
    </message>
    <message>
        <source>%1 (two bars beside the pipe)</source>
        <translation>%1（管道两侧的两条短线）</translation>
    </message>
    <message>
        <source>; no guide on L%1</source>
        <translation>；L%1 上无导向支架</translation>
    </message>
    <message>
        <source>g = %1 m</source>
        <translation>g = %1 m</translation>
    </message>
</context>
<context>
    <name>TitleBlock</name>
    <message>
        <source>Project</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>管线</translation>
    </message>
    <message>
        <source>Calculation no.</source>
        <translation>计算书编号</translation>
    </message>
    <message>
        <source>Prepared by</source>
        <translation>编制</translation>
    </message>
    <message>
        <source>Checked by</source>
        <translation>校核</translation>
    </message>
    <message>
        <source>Approved by</source>
        <translation>审核</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>版次</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Title block</source>
        <translation>标题栏</translation>
    </message>
</context>
<context>
    <name>VerdictTexts</name>
    <message>
        <source>%1 = %2 at %3</source>
        <translation>%3处 %1 = %2</translation>
    </message>
    <message>
        <source>exceeds the allowable stress (%1 MPa &gt; [S] = %2 MPa)</source>
        <translation>超过许用应力（%1 MPa &gt; [S] = %2 MPa）</translation>
    </message>
    <message>
        <source>within the allowable stress (%1 MPa ≤ [S] = %2 MPa)</source>
        <translation>在许用应力以内（%1 MPa ≤ [S] = %2 MPa）</translation>
    </message>
    <message>
        <source>invalid: the inputs describe no pipe: %1</source>
        <translation>无效：输入不构成管道：%1</translation>
    </message>
    <message>
        <source>%1 (warnings: %2)</source>
        <translation>%1（警告：%2）</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Two-leg bend</source>
        <translation>两臂弯管</translation>
    </message>
    <message>
        <source>Z-shaped offset</source>
        <translation>Z形弯管</translation>
    </message>
    <message>
        <source>Raised loop</source>
        <translation>Π形补偿器</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>outer diameter of the pipe</source>
        <translation>管子外径</translation>
    </message>
    <message>
        <source>wall thickness</source>
        <translation>壁厚</translation>
    </message>
    <message>
        <source>leg from the start anchor to the bend</source>
        <translation>起点固定支座至弯头的管段</translation>
    </message>
    <message>
        <source>leg from the bend to the far anchor</source>
        <translation>弯头至终点固定支座的管段</translation>
    </message>
    <message>
        <source>angle between L1 and L2 at the bend</source>
        <translation>弯头处 L1 与 L2 的夹角</translation>
    </message>
    <message>
        <source>leg from the start anchor to the bend with L2</source>
        <translation>起点固定支座至与 L2 相接弯头的管段</translation>
    </message>
    <message>
        <source>middle leg between the bends</source>
        <translation>两弯头之间的中间管段</translation>
    </message>
    <message>
        <source>leg from the bend with L2 to the far anchor</source>
        <translation>与 L2 相接弯头至终点固定支座的管段</translation>
    </message>
    <message>
        <source>overall length between the anchors, along L1 and L3</source>
        <translation>两固定支座之间沿 L1、L3 方向的总长</translation>
    </message>
    <message>
        <source>angle between L1 and L2</source>
        <translation>L1 与 L2 的夹角</translation>
    </message>
    <message>
        <source>level leg from the start anchor</source>
        <translation>起点固定支座处的水平管段</translation>
    </message>
    <message>
        <source>inclined leg up to the top leg</source>
        <translation>升至顶部管段的斜管段</translation>
    </message>
    <message>
        <source>level top leg</source>
        <translation>顶部水平管段</translation>
    </message>
    <message>
        <source>inclined leg down from the top leg</source>
        <translation>自顶部管段下降的斜管段</translation>
    </message>
    <message>
        <source>level leg to the far anchor</source>
        <translation>至终点固定支座的水平管段</translation>
    </message>
    <message>
        <source>overall length between the anchors, along the level legs</source>
        <translation>两固定支座之间沿水平管段方向的总长</translation>
    </message>
    <message>
        <source>angle between L2 and L3, inside the loop</source>
        <translation>补偿器内侧 L2 与 L3 的夹角</translation>
    </message>
    <message>
        <source>angle between L3 and L4, inside the loop</source>
        <translation>补偿器内侧 L3 与 L4 的夹角</translation>
    </message>
    <message>
        <source>bending moment</source>
        <translation>弯矩</translation>
    </message>
    <message>
        <source>bending stress</source>
        <translation>弯曲应力</translation>
    </message>
    <message>
        <source>force along L1</source>
        <translation>沿 L1 方向的力</translation>
    </message>
    <message>
        <source>force across L1</source>
        <translation>垂直于 L1 方向的力</translation>
    </message>
    <message>
        <source>force along L1 and L3</source>
        <translation>沿 L1、L3 方向的力</translation>
    </message>
    <message>
        <source>force across L1 and L3</source>
        <translation>垂直于 L1、L3 方向的力</translation>
    </message>
    <message>
        <source>force along the level legs</source>
        <translation>沿水平管段方向的力</translation>
    </message>
    <message>
        <source>force across the level legs</source>
        <translation>垂直于水平管段方向的力</translation>
    </message>
    <message>
        <source>the start anchor</source>
        <translation>起点固定支座</translation>
    </message>
    <message>
        <source>the far anchor</source>
        <translation>终点固定支座</translation>
    </message>
    <message>
        <source>the bend between L%1 and L%2</source>
        <translation>L%1 与 L%2 之间的弯头</translation>
    </message>
    <message>
        <source>below %1 carbon steel turns brittle, which the fixed E = %2 and [S] = %3 do not describe</source>
        <translation>低于 %1 时碳钢变脆，固定的 E = %2 和 [S] = %3 不再适用</translation>
    </message>
    <message>
        <source>above %1 carbon steel creeps, which the fixed E = %2 and [S] = %3 do not describe</source>
        <translation>高于 %1 时碳钢发生蠕变，固定的 E = %2 和 [S] = %3 不再适用</translation>
    </message>
    <message>
        <source>the outer diameter must be above 0</source>
        <translation>外径必须大于 0</translation>
    </message>
    <message>
        <source>a wall must be thicker than 0</source>
        <translation>壁厚必须大于 0</translation>
    </message>
    <message>
        <source>a wall must be thinner than half the diameter (%1)</source>
        <translation>壁厚必须小于外径的一半（%1）</translation>
    </message>
    <message>
        <source>a leg cannot be shorter than 0</source>
        <translation>管段长度不能小于 0</translation>
    </message>
    <message>
        <source>every leg is 0 long, so there is no pipe run</source>
        <translation>所有管段长度均为 0，不构成管系</translation>
    </message>
    <message>
        <source>an angle must lie strictly between 0° and 180°; at 0° and 180° the legs lie in line, which bending cannot carry</source>
        <translation>角度必须严格介于 0° 与 180° 之间；0° 和 180° 时管段共线，无法靠弯曲吸收膨胀</translation>
    </message>
    <message>
        <source>the overall length must be above 0</source>
        <translation>总长必须大于 0</translation>
    </message>
    <message>
        <source>the legs put the anchors %1 apart; L sets the free expansion</source>
        <translation>按各管段计算两固定支座相距 %1；自由膨胀量按 L 计算</translation>
    </message>
    <message>
        <source>%1 = %2: %3</source>
        <translation>%1 = %2：%3</translation>
    </message>
    <message>
        <source>read as the whole number %1</source>
        <translation>按整数 %1 计算</translation>
    </message>
    <message>
        <source>Field %1: &quot;%2&quot; is not a number. Enter the %3 in %4, for example %5 (decimal separator &quot;%6&quot;)</source>
        <translation>输入框 %1：“%2”不是数字。请以%4为单位输入%3，例如 %5（小数点为“%6”）</translation>
    </message>
    <message>
        <source>Field %1: &quot;%2&quot; is out of range. Enter the %3 in %4 as a whole number from -32768 to 32767, for example %5 (decimal separator &quot;%6&quot;)</source>
        <translation>输入框 %1：“%2”超出范围。请以%4为单位输入%3，取 -32768 至 32767 之间的整数，例如 %5（小数点为“%6”）</translation>
    </message>
    <message>
        <source>Field %1: &quot;%2&quot; is too large. Enter the %3 in %4, for example %5 (decimal separator &quot;%6&quot;)</source>
        <translation>输入框 %1：“%2”数值过大。请以%4为单位输入%3，例如 %5（小数点为“%6”）</translation>
    </message>
    <message>
        <source>degrees Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>米</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::CodeCheckWindow</name>
    <message>
        <source>Installed at T0</source>
        <translation>安装温度 T0</translation>
    </message>
    <message>
        <source>Lowest temperature Tmin</source>
        <translation>最低温度 Tmin</translation>
    </message>
    <message>
        <source>Equivalent full cycles N</source>
        <translation>当量满循环次数 N</translation>
    </message>
    <message>
        <source>Sustained stress SL</source>
        <translation>持续应力 SL</translation>
    </message>
    <message>
        <source>Cold-spring factor C</source>
        <translation>冷紧系数 C</translation>
    </message>
    <message>
        <source>Ea at 21 ℃</source>
        <translation>21 ℃ 时的 Ea</translation>
    </message>
    <message>
        <source>Eh at T</source>
        <translation>T 时的 Eh</translation>
    </message>
    <message>
        <source>Sc, coldest</source>
        <translation>Sc（最低温度）</translation>
    </message>
    <message>
        <source>Sh, hottest</source>
        <translation>Sh（最高温度）</translation>
    </message>
    <message>
        <source>Expansion over the range</source>
        <translation>范围内的膨胀量</translation>
    </message>
    <message>
        <source>Specified minimum tensile strength</source>
        <translation>规定最小抗拉强度</translation>
    </message>
    <message>
        <source>Code check – %1</source>
        <translation>规范校核 – %1</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>GB 50316 is not built: its formulas could not be confirmed from a public copy.</source>
        <translation>尚未实现 GB 50316：其公式未能从公开文本中确认。</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>规范</translation>
    </message>
    <message>
        <source>my values</source>
        <translation>自定义值</translation>
    </message>
    <message>
        <source>The values typed below replace the material&apos;s; with &quot;my values&quot; Ea, Sc, Sh and the expansion are needed.</source>
        <translation>下面填写的值代替材料的值；选“自定义值”时须填写 Ea、Sc、Sh 和膨胀量。</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>The panel&apos;s elbows. Under sharp corners only the code check takes long-radius elbows.</source>
        <translation>面板的弯头。仅为尖角时，规范校核按长半径弯头计算。</translation>
    </message>
    <message>
        <source>Elbows</source>
        <translation>弯头</translation>
    </message>
    <message>
        <source>Compute the panel</source>
        <translation>计算本面板</translation>
    </message>
    <message>
        <source>Not taken, expected a number (C from 0 to 1, N above 0): %1</source>
        <translation>未采用，应为数值（C 在 0 到 1 之间，N 大于 0）：%1</translation>
    </message>
    <message>
        <source>Choose a code to check the panel&apos;s run.</source>
        <translation>请选择规范，以校核本面板的计算。</translation>
    </message>
    <message>
        <source>No run of the panel to check: press Compute.</source>
        <translation>本面板尚无可校核的计算：请按“计算”。</translation>
    </message>
    <message>
        <source>These results do not belong to the current inputs: press Compute.</source>
        <translation>这些结果不属于当前输入：请按“计算”。</translation>
    </message>
    <message>
        <source>SE/SA at %1: %2</source>
        <translation>%1 处的 SE/SA：%2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>the material&apos;s</source>
        <translation>取材料的值</translation>
    </message>
    <message>
        <source>Type the value in its field above, from the code edition of the project, or choose temperatures within the table.</source>
        <translation>请在上方相应字段中按项目所用规范版本填入该值，或选择表格范围内的温度。</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::CodeChecks</name>
    <message>
        <source>Code check…</source>
        <translation>规范校核…</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::DesignAnswers</name>
    <message>
        <source>Paste calculation</source>
        <translation>粘贴计算</translation>
    </message>
    <message>
        <source>Find where %1 passes…</source>
        <translation>查找 %1 的通过范围…</translation>
    </message>
    <message>
        <source>Find where the loop&apos;s height passes…</source>
        <translation>查找补偿器高度的通过范围…</translation>
    </message>
    <message>
        <source>Find where the loop&apos;s width passes…</source>
        <translation>查找补偿器宽度的通过范围…</translation>
    </message>
    <message>
        <source>The clipboard holds a run of the %1 panel, not of the %2 panel: nothing was pasted.</source>
        <translation>剪贴板中是%1面板的计算，而不是%2面板的：未粘贴任何内容。</translation>
    </message>
    <message>
        <source>The clipboard holds no run of the %1 panel: nothing was pasted. Expected a quorvel-batch row %2 (decimal point and &apos;,&apos; between cells, or decimal comma and &apos;;&apos;) or a calculation note copied from that panel.</source>
        <translation>剪贴板中没有%1面板的计算：未粘贴任何内容。应为 quorvel-batch 行 %2（小数点且单元格以“,”分隔，或小数逗号且单元格以“;”分隔），或从该面板复制的计算书。</translation>
    </message>
    <message>
        <source>Open calculation…</source>
        <translation>打开计算…</translation>
    </message>
    <message>
        <source>Could not read %1: %2. Nothing was opened.</source>
        <translation>无法读取 %1：%2。未打开任何内容。</translation>
    </message>
    <message>
        <source>%1 is not a calculation note: it holds no quorvel-batch row of a panel, such as %2. Nothing was opened.</source>
        <translation>%1 不是计算书：其中没有任何面板的 quorvel-batch 行（例如 %2）。未打开任何内容。</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::MainWindow</name>
    <message>
        <source>%1 panel</source>
        <translation>%1面板</translation>
    </message>
    <message>
        <source>Compute (%1)</source>
        <translation>计算（%1）</translation>
    </message>
    <message>
        <source>Exit (%1)</source>
        <translation>退出（%1）</translation>
    </message>
    <message>
        <source>%1: computes the results from the inputs.
Space or Enter: compute</source>
        <translation>%1：由输入值计算结果。
空格键或回车键：计算</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a key and its action</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::NoteActions</name>
    <message>
        <source>Copy calculation note</source>
        <translation>复制计算书</translation>
    </message>
    <message>
        <source>Print calculation sheet…</source>
        <translation>打印计算单…</translation>
    </message>
    <message>
        <source>Installed at…</source>
        <translation>安装温度…</translation>
    </message>
    <message>
        <source>Guides…</source>
        <translation>导向支架…</translation>
    </message>
    <message>
        <source>Save calculation…</source>
        <translation>保存计算…</translation>
    </message>
    <message>
        <source>Could not save the calculation note to %1: %2.</source>
        <translation>无法将计算书保存到 %1：%2。</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::PanelView</name>
    <message>
        <source>The inputs describe no pipe: %1</source>
        <translation>输入不构成管道：%1</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::PassFinder</name>
    <message>
        <source>Where %1 passes – %2</source>
        <translation>%1 的通过范围 – %2</translation>
    </message>
    <message>
        <source>the loop&apos;s height %1</source>
        <translation>补偿器高度 %1</translation>
    </message>
    <message>
        <source>the loop&apos;s width %1</source>
        <translation>补偿器宽度 %1</translation>
    </message>
    <message>
        <source>H sets L2 and L4; L1 and L5 each give up half of what the loop gains along the level legs, so that the anchors stay where they are.</source>
        <translation>H 同时设定 L2 和 L4；补偿器沿水平段方向增加的长度由 L1 和 L5 各减去一半，使固定支架位置不变。</translation>
    </message>
    <message>
        <source>W sets L3; L1 and L5 each give up half of what the loop gains along the level legs, so that the anchors stay where they are.</source>
        <translation>W 设定 L3；补偿器沿水平段方向增加的长度由 L1 和 L5 各减去一半，使固定支架位置不变。</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>by</source>
        <translation>步长</translation>
    </message>
    <message>
        <source>The range needs three numbers of at most %L1 digits, the step above 0, and at most %L2 values.</source>
        <translation>范围需要三个数（每个最多 %L1 位），步长大于 0，且最多 %L2 个值。</translation>
    </message>
    <message>
        <source>From %1 = %2 on, %3 would be shorter than 0: such a loop is not run and does not pass.</source>
        <translation>自 %1 = %2 起，%3 将小于 0：这样的补偿器不计算，也不通过。</translation>
    </message>
    <message>
        <source>sharp corners</source>
        <translation>尖角</translation>
    </message>
    <message>
        <source>the code check</source>
        <translation>规范校核</translation>
    </message>
    <message>
        <source>Set %1 = %2, the answer with %3, and compute</source>
        <translation>设 %1 = %2（采用%3时的结果）并计算</translation>
    </message>
    <message>
        <source>No passing value with %1</source>
        <translation>采用%1时没有通过值</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 by %4, with the panel&apos;s other inputs:</source>
        <translation>%1 从 %2 到 %3，步长 %4，面板其他输入不变：</translation>
    </message>
    <message>
        <source>%1 passes at %2</source>
        <translation>%1 在 %2 时通过</translation>
    </message>
    <message>
        <source>%1 passes from %2 to %3</source>
        <translation>%1 在 %2 至 %3 之间通过</translation>
    </message>
    <message>
        <source>%1 passes nowhere in this range.</source>
        <translation>%1 在此范围内均不通过。</translation>
    </message>
    <message>
        <source>No passing value to go to.</source>
        <translation>没有可用的通过值。</translation>
    </message>
    <message>
        <source>The current value, %1, lies within a passing stretch.</source>
        <translation>当前值 %1 位于通过范围之内。</translation>
    </message>
    <message>
        <source>The passing value nearest to the current one: %1</source>
        <translation>最接近当前值的通过值：%1</translation>
    </message>
    <message>
        <source>Set %1 = %2 and compute</source>
        <translation>设 %1 = %2 并计算</translation>
    </message>
    <message>
        <source>Set and compute</source>
        <translation>设定并计算</translation>
    </message>
    <message>
        <source>With %1:</source>
        <translation>采用%1时：</translation>
    </message>
    <message>
        <source>Judged by the code check, %1:</source>
        <translation>按规范校核（%1）判断：</translation>
    </message>
    <message>
        <source>Judged by the code check, %1, on the guided frame (%2):</source>
        <translation>按规范校核（%1）判断，校核带导向支架的管系（%2）：</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1及%2</translation>
    </message>
    <message>
        <source>Judged by the run with %1, %2:</source>
        <translation>按带%1的管系判断，%2：</translation>
    </message>
    <message>
        <source>With %1, without the guides:</source>
        <translation>采用%1、不设导向支架时：</translation>
    </message>
    <message>
        <source>guided run, g = %1 m</source>
        <translation>带导向支架，g = %1 m</translation>
    </message>
    <message>
        <source>%1, no guides</source>
        <translation>%1，无导向支架</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::ResultEdit</name>
    <message>
        <source>%1; the stress exceeds the allowable stress</source>
        <translation>%1；应力超过许用应力</translation>
    </message>
    <message>
        <source>This result does not belong to the current inputs: press Compute.</source>
        <translation>此结果与当前输入不符：请按“计算”。</translation>
    </message>
    <message>
        <source>This text was typed, not computed: press Compute.</source>
        <translation>此文本为手工输入，并非计算结果：请按“计算”。</translation>
    </message>
</context>
</TS>

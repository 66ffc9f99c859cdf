<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>%1: computes the results from the inputs.
Space or Enter presses the button when it has the focus.</source>
        <translation>%1：由输入值计算结果。
按钮有焦点时，按空格键或回车键即按下按钮。</translation>
    </message>
    <message>
        <source>Exit (%1)</source>
        <translation>退出（%1）</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>输入框 %1：%2</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::ResultEdit</name>
    <message>
        <source>%1; the stress exceeds the allowable stress</source>
        <translation>%1；应力超过许用应力</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AnalogOutput1Form</name>
    <message>
        <source>Аналоговый выход 1</source>
        <translation>Analog output 1</translation>
    </message>
</context>
<context>
    <name>AnalogOutput2Form</name>
    <message>
        <source>Аналоговый выход 2</source>
        <translation>Analog output 2</translation>
    </message>
</context>
<context>
    <name>AnalogOutput3Form</name>
    <message>
        <source>Аналоговый выход 3</source>
        <translation>Analog output 3</translation>
    </message>
</context>
<context>
    <name>AnalogOutput4Form</name>
    <message>
        <source>Аналоговый выход 4</source>
        <translation>Analog output 4</translation>
    </message>
</context>
<context>
    <name>AnalogOutputsMenu</name>
    <message>
        <source>Аналоговые выходы</source>
        <translation>Analog outputs</translation>
    </message>
    <message>
        <source>Аналоговый выход 1</source>
        <translation>Analog output 1</translation>
    </message>
    <message>
        <source>Аналоговый выход 2</source>
        <translation>Analog output 2</translation>
    </message>
    <message>
        <source>Аналоговый выход 3</source>
        <translation>Analog output 3</translation>
    </message>
    <message>
        <source>Аналоговый выход 4</source>
        <translation>Analog output 4</translation>
    </message>
</context>
<context>
    <name>BaseEditWidget</name>
    <message>
        <source>Диапазон допустимых значений</source>
        <translation>Permitted range</translation>
    </message>
</context>
<context>
    <name>BaseForm</name>
    <message>
        <source>Для перемещения используйте стрелки</source>
        <translation>Use the arrows to move</translation>
    </message>
</context>
<context>
    <name>BypassContactorsForm</name>
    <message>
        <source>Не синхр.</source>
        <translation>Not synced</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Режим ВД</source>
        <translation>PM motor mode</translation>
    </message>
    <message>
        <source>Fбаз</source>
        <translation>Fbase</translation>
    </message>
    <message>
        <source>Синхр. выкл</source>
        <translation>Sync off</translation>
    </message>
    <message>
        <source>Вращение</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation>Phase seq.</translation>
    </message>
    <message>
        <source>Uстаб</source>
        <translation>Ustab</translation>
    </message>
    <message>
        <source>ЧРП не готов</source>
        <translation>VSD not ready</translation>
    </message>
    <message>
        <source>Uбаз</source>
        <translation>Ubase</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Bypass contactors</translation>
    </message>
    <message>
        <source>Синхронизировать с сетью?</source>
        <translation>Synchronise with the supply?</translation>
    </message>
    <message>
        <source>Перейти с режима на режим?</source>
        <translation>Switch from mode to mode?</translation>
    </message>
</context>
<context>
    <name>CorrectionAI</name>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation>Analog input correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentIn</name>
    <message>
        <source>Корректировка токов на входе</source>
        <translation>Input current correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentMotor</name>
    <message>
        <source>Корректировка токов двигателя</source>
        <translation>Motor current correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentOut</name>
    <message>
        <source>Корректировка токов на выходе</source>
        <translation>Output current correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentTrans</name>
    <message>
        <source>Корректировка токов трансформатора</source>
        <translation>Transformer current correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsForm</name>
    <message>
        <source>Корректировки</source>
        <translation>Corrections</translation>
    </message>
    <message>
        <source>Корректировка тока на входе</source>
        <translation>Input current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения на входе</source>
        <translation>Input voltage correction</translation>
    </message>
    <message>
        <source>Корректировка тока на выходе</source>
        <translation>Output current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения на выходе</source>
        <translation>Output voltage correction</translation>
    </message>
    <message>
        <source>Корректировка тока трансформатора</source>
        <translation>Transformer current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения трансформатора</source>
        <translation>Transformer voltage correction</translation>
    </message>
    <message>
        <source>Корректировка тока двигателя</source>
        <translation>Motor current correction</translation>
    </message>
    <message>
        <source>Корректировка напряжения двигателя</source>
        <translation>Motor voltage correction</translation>
    </message>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation>Analog input correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsPage</name>
    <message>
        <source>Коэффициент AB</source>
        <translation>Coefficient AB</translation>
    </message>
    <message>
        <source>Коэффициент BC</source>
        <translation>Coefficient BC</translation>
    </message>
    <message>
        <source>Коэффициент CA</source>
        <translation>Coefficient CA</translation>
    </message>
    <message>
        <source>Коэффициент UV</source>
        <translation>Coefficient UV</translation>
    </message>
    <message>
        <source>Коэффициент VW</source>
        <translation>Coefficient VW</translation>
    </message>
    <message>
        <source>Коэффициент WU</source>
        <translation>Coefficient WU</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageIn</name>
    <message>
        <source>Корректировка напряжений на входе</source>
        <translation>Input voltage correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageMotor</name>
    <message>
        <source>Корректировка напряжений двигателя</source>
        <translation>Motor voltage correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageOut</name>
    <message>
        <source>Корректировка напряжений на выходе</source>
        <translation>Output voltage correction</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageTrans</name>
    <message>
        <source>Корректировка напряжений трансформатора</source>
        <translation>Transformer voltage correction</translation>
    </message>
</context>
<context>
    <name>CountersForm</name>
    <message>
        <source>Счётчики</source>
        <translation>Counters</translation>
    </message>
</context>
<context>
    <name>CurrentParamsDhsForm</name>
    <message>
        <source>ТМС</source>
        <translation>DHS</translation>
    </message>
</context>
<context>
    <name>CurrentParamsMenu</name>
    <message>
        <source>Текущие параметры</source>
        <translation>Actual values</translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>Двигатель</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation>DHS</translation>
    </message>
</context>
<context>
    <name>CurrentParamsMotorForm</name>
    <message>
        <source>Двигатель</source>
        <translation>Motor</translation>
    </message>
</context>
<context>
    <name>CurrentParamsSupplyForm</name>
    <message>
        <source>Сеть</source>
        <translation>Supply</translation>
    </message>
</context>
<context>
    <name>DateTimeEditWidget</name>
    <message>
        <source>Вверх и вниз: значение, влево и вправо: поле</source>
        <translation>Up, Down: value; Left, Right: field</translation>
    </message>
</context>
<context>
    <name>DhsConfigurationForm</name>
    <message>
        <source>Конфигурация ТМС</source>
        <translation>DHS configuration</translation>
    </message>
</context>
<context>
    <name>DhsConnectForm</name>
    <message>
        <source>Связь с ТМС</source>
        <translation>DHS link</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>Reset the link quality counters?</translation>
    </message>
</context>
<context>
    <name>DhsMenu</name>
    <message>
        <source>ТМС</source>
        <translation>DHS</translation>
    </message>
    <message>
        <source>Параметры ТМС</source>
        <translation>DHS parameters</translation>
    </message>
    <message>
        <source>Параметры связи ТМС</source>
        <translation>DHS link parameters</translation>
    </message>
    <message>
        <source>Конфигурация ТМС</source>
        <translation>DHS configuration</translation>
    </message>
</context>
<context>
    <name>DhsSettingForm</name>
    <message>
        <source>Сброс PICv2</source>
        <translation>PICv2 reset</translation>
    </message>
    <message>
        <source>Чтение статических параметров</source>
        <translation>Read static parameters</translation>
    </message>
    <message>
        <source>Параметры ТМС</source>
        <translation>DHS parameters</translation>
    </message>
    <message>
        <source>Сбросить PICv2?</source>
        <translation>Reset PICv2?</translation>
    </message>
</context>
<context>
    <name>EmConnectForm</name>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation>Energy meter link</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>Reset the link quality counters?</translation>
    </message>
</context>
<context>
    <name>EmForm</name>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation>Energy meter</translation>
    </message>
    <message>
        <source>Параметры связи счётчика электроэнергии</source>
        <translation>Energy meter link parameters</translation>
    </message>
    <message>
        <source>Внимание!
Отключена запись аварийных архивов
и защита чередования фаз</source>
        <translation>Attention!
Emergency log recording and phase
sequence protection are switched off</translation>
    </message>
</context>
<context>
    <name>EnergyConsumptionForm</name>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation>Active energy consumption</translation>
    </message>
    <message>
        <source>Сброс потреблёной активной электоэнергии</source>
        <translation>Reset consumed active energy</translation>
    </message>
    <message>
        <source>Сбросить потребленую активную электоэнергию?</source>
        <translation>Reset the consumed active energy?</translation>
    </message>
</context>
<context>
    <name>EquipmentMenu</name>
    <message>
        <source>Оборудование</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Двигатель</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>ТМПН</source>
        <translation>SUT</translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation>VSD</translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation>DHS</translation>
    </message>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation>Energy meter</translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Насос</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Релейные выходы</source>
        <translation>Relay outputs</translation>
    </message>
    <message>
        <source>Аналоговые выходы</source>
        <translation>Analog outputs</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Bypass contactors</translation>
    </message>
</context>
<context>
    <name>FiltersForm</name>
    <message>
        <source>Фильтры</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Защита по перегреву фильтра отключена</source>
        <translation>Filter overheat protection is off</translation>
    </message>
</context>
<context>
    <name>HoleForm</name>
    <message>
        <source>Скважина</source>
        <translation>Well</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LogEventForm</name>
    <message>
        <source>Журнал событий</source>
        <translation>Event log</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Ожидание применения...</source>
        <translation>Waiting to apply...</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Главное меню</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation>Actual values</translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation>Protections</translation>
    </message>
    <message>
        <source>Технологические настройки</source>
        <translation>Process settings</translation>
    </message>
    <message>
        <source>Записная книжка</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>MainScreenForm</name>
    <message>
        <source>Состояние станции</source>
        <translation>Station state</translation>
    </message>
    <message>
        <source>Для входа в меню нажмите Ввод</source>
        <translation>Press Enter to open the menu</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Задержка отключения</source>
        <translation>Trip delay</translation>
    </message>
    <message>
        <source>Ожидание АПВ</source>
        <translation>Waiting for restart</translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation>Block</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Внимание!
Необходимо провести автоадаптацию</source>
        <translation>Attention!
Auto-adaptation is required</translation>
    </message>
    <message>
        <source>Копирование архивов:</source>
        <translation>Copying logs:</translation>
    </message>
    <message>
        <source>Копирование архивов не завершено: контроллер не ответил</source>
        <translation>Copying logs not completed: the controller did not answer</translation>
    </message>
    <message>
        <source>Копирование архивов завершено!</source>
        <translation>Copying logs is completed!</translation>
    </message>
</context>
<context>
    <name>MasterMotorForm</name>
    <message>
        <source>Мастер выбора двигателя</source>
        <translation>Motor selection wizard</translation>
    </message>
    <message>
        <source>Габарит</source>
        <translation>Frame size</translation>
    </message>
    <message>
        <source>Обороты</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Не выбрано</source>
        <translation>Not selected</translation>
    </message>
    <message>
        <source>Нет данных</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>Внимание!
</source>
        <translation>Attention!
</translation>
    </message>
    <message>
        <source>Нет двигателя с заданными параметрами</source>
        <translation>No motor matches the given data</translation>
    </message>
    <message>
        <source>Внимание!
Значения двигателя вне допустимых пределов:</source>
        <translation>Attention!
Motor values outside the permitted limits:</translation>
    </message>
    <message>
        <source>Заданным параметрам соответствует несколько двигателей</source>
        <translation>Several motors match the given data</translation>
    </message>
    <message>
        <source>Для применения параметров остановите двигатель!</source>
        <translation>To apply the data, stop the motor!</translation>
    </message>
    <message>
        <source>Запись параметров двигателя...</source>
        <translation>Writing motor data...</translation>
    </message>
</context>
<context>
    <name>MenuTechnologForm</name>
    <message>
        <source>Настройка меню технолога</source>
        <translation>Technologist menu setup</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>MotorForm</name>
    <message>
        <source>Двигатель</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Мастер выбора двигателя</source>
        <translation>Motor selection wizard</translation>
    </message>
    <message>
        <source>Внимание!
Переключите автомат фильтра</source>
        <translation>Attention!
Switch over the filter circuit breaker</translation>
    </message>
    <message>
        <source>Макс=ТокСУ/Коэф.Транс.</source>
        <translation>Max=Station I/Trans. ratio</translation>
    </message>
</context>
<context>
    <name>NotebookMenu</name>
    <message>
        <source>Записная книжка</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Скважина</source>
        <translation>Well</translation>
    </message>
    <message>
        <source>Счётчики</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Станция управления</source>
        <translation>Control station</translation>
    </message>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation>Active energy consumption</translation>
    </message>
</context>
<context>
    <name>OptionsAccessForm</name>
    <message>
        <source>Доступ</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Парольная защита</source>
        <translation>Password protection</translation>
    </message>
    <message>
        <source>Уровень доступа</source>
        <translation>Access level</translation>
    </message>
    <message>
        <source>Войти с уровнем</source>
        <translation>Log in with level</translation>
    </message>
    <message>
        <source>Войти</source>
        <translation>Log in</translation>
    </message>
</context>
<context>
    <name>OptionsDateTimeForm</name>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
</context>
<context>
    <name>OptionsLanguageForm</name>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>SCADA</source>
        <translation>SCADA</translation>
    </message>
    <message>
        <source>Доступ</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>ИБП</source>
        <translation>UPS</translation>
    </message>
</context>
<context>
    <name>OptionsNetworkForm</name>
    <message>
        <source>Сеть</source>
        <translation>Network</translation>
    </message>
</context>
<context>
    <name>OptionsScadaForm</name>
    <message>
        <source>SCADA</source>
        <translation>SCADA</translation>
    </message>
</context>
<context>
    <name>OptionsUnitsForm</name>
    <message>
        <source>Единицы измерения</source>
        <translation>Units</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Введите пароль уровня доступа %1</source>
        <translation>Enter the password of access level %1</translation>
    </message>
    <message>
        <source>Неверный пароль</source>
        <translation>Wrong password</translation>
    </message>
</context>
<context>
    <name>ProgressBarDialog</name>
    <message>
        <source>прошло</source>
        <translation>elapsed</translation>
    </message>
</context>
<context>
    <name>PumpForm</name>
    <message>
        <source>Насос</source>
        <translation>Pump</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>доли</source>
        <translation>p.u.</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>км</source>
        <translation>km</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>фут</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>кг/м3</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>г/см3</source>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>кВ</source>
        <translation>kV</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>кА</source>
        <translation>kA</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>кВт</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>МВт</source>
        <translation>MW</translation>
    </message>
    <message>
        <source>ВА</source>
        <translation>VA</translation>
    </message>
    <message>
        <source>кВА</source>
        <translation>kVA</translation>
    </message>
    <message>
        <source>МВА</source>
        <translation>MVA</translation>
    </message>
    <message>
        <source>вар</source>
        <translation>var</translation>
    </message>
    <message>
        <source>квар</source>
        <translation>kvar</translation>
    </message>
    <message>
        <source>Мвар</source>
        <translation>Mvar</translation>
    </message>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>об/с</source>
        <translation>rps</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Гц/с</source>
        <translation>Hz/s</translation>
    </message>
    <message>
        <source>Гн</source>
        <translation>H</translation>
    </message>
    <message>
        <source>мГн</source>
        <translation>mH</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>мм/с</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>В/(об/мин)</source>
        <translation>V/rpm</translation>
    </message>
    <message>
        <source>кВт·ч</source>
        <translation>kW·h</translation>
    </message>
    <message>
        <source>МВт·ч</source>
        <translation>MW·h</translation>
    </message>
    <message>
        <source>Вт·ч</source>
        <translation>W·h</translation>
    </message>
    <message>
        <source>квар·ч</source>
        <translation>kvar·h</translation>
    </message>
    <message>
        <source>Мвар·ч</source>
        <translation>Mvar·h</translation>
    </message>
    <message>
        <source>Ток фазы A</source>
        <translation>Phase current A</translation>
    </message>
    <message>
        <source>Ток фазы B</source>
        <translation>Phase current B</translation>
    </message>
    <message>
        <source>Ток фазы C</source>
        <translation>Phase current C</translation>
    </message>
    <message>
        <source>Дисб. токов</source>
        <translation>Current imbal.</translation>
    </message>
    <message>
        <source>Ток двигателя</source>
        <translation>Motor current</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Коэф. мощн.</source>
        <translation>Power factor</translation>
    </message>
    <message>
        <source>Частота турб.</source>
        <translation>Turbine frequency</translation>
    </message>
    <message>
        <source>Сопр.изоляции</source>
        <translation>Insulation res.</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Режим пуска</source>
        <translation>Start mode</translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation>Control mode</translation>
    </message>
    <message>
        <source>Дисб. напряж.</source>
        <translation>Voltage imbal.</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Present value</translation>
    </message>
    <message>
        <source>Цифр. вх. 1</source>
        <translation>DI 1</translation>
    </message>
    <message>
        <source>Цифр. вх. 2</source>
        <translation>DI 2</translation>
    </message>
    <message>
        <source>Цифр. вх. 3</source>
        <translation>DI 3</translation>
    </message>
    <message>
        <source>Цифр. вх. 4</source>
        <translation>DI 4</translation>
    </message>
    <message>
        <source>Период записи в работе</source>
        <translation>Recording interval while running</translation>
    </message>
    <message>
        <source>Период экстренной записи</source>
        <translation>Emergency recording interval</translation>
    </message>
    <message>
        <source>Период записи ТМС</source>
        <translation>DHS recording interval</translation>
    </message>
    <message>
        <source>Номинальная мощность ТМПН</source>
        <translation>SUT rated power</translation>
    </message>
    <message>
        <source>Номинальный ток ТМПН</source>
        <translation>SUT rated current</translation>
    </message>
    <message>
        <source>Номинальное напряжение ТМПН</source>
        <translation>SUT rated voltage</translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation>Cable length</translation>
    </message>
    <message>
        <source>Сечение кабеля</source>
        <translation>Cable cross-section</translation>
    </message>
    <message>
        <source>Рекомендуемое напряжение отпайки</source>
        <translation>Recommended tap voltage</translation>
    </message>
    <message>
        <source>Напряжение отпайки</source>
        <translation>Tap voltage</translation>
    </message>
    <message>
        <source>Тип ТМС</source>
        <translation>DHS type</translation>
    </message>
    <message>
        <source>Производительность</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>Напор</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>Глубина спуска</source>
        <translation>Setting depth</translation>
    </message>
    <message>
        <source>Действие защиты</source>
        <translation>Action of protection</translation>
    </message>
    <message>
        <source>Пусковое время</source>
        <translation>Bypass delay</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Shutdown delay</translation>
    </message>
    <message>
        <source>Задержка АПВ</source>
        <translation>Restarts delay</translation>
    </message>
    <message>
        <source>Разрешено АПВ</source>
        <translation>Allowed Restarts</translation>
    </message>
    <message>
        <source>Сброс счётчиков АПВ</source>
        <translation>Restart counters reset</translation>
    </message>
    <message>
        <source>Уставка останова</source>
        <translation>Alarm Setpoint</translation>
    </message>
    <message>
        <source>Турбинное вращение</source>
        <translation>Turbine rotation</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Минимальный коэффициент мощности</source>
        <translation>Motor out of sync Minimum power factor</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Максимальный ток</source>
        <translation>Motor out of sync Maximum current</translation>
    </message>
    <message>
        <source>Уставка останова минимум</source>
        <translation>Alarm Setpoint minimum</translation>
    </message>
    <message>
        <source>Уставка пуска</source>
        <translation>Restart Setpoint</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Работа с пониженным сопротивлением</source>
        <translation>Insulation resistance Run with low resistance</translation>
    </message>
    <message>
        <source>Время минимум</source>
        <translation>Shutdown delay minimum</translation>
    </message>
    <message>
        <source>Уставка пуска минимум</source>
        <translation>Restart Setpoint minimum</translation>
    </message>
    <message>
        <source>Уставка останова максимум</source>
        <translation>Alarm Setpoint maximum</translation>
    </message>
    <message>
        <source>Действие режима</source>
        <translation>Mode action</translation>
    </message>
    <message>
        <source>Периодика Время работы</source>
        <translation>Periodic mode run time</translation>
    </message>
    <message>
        <source>Периодика Время паузы</source>
        <translation>Periodic mode pause time</translation>
    </message>
    <message>
        <source>Черед. частот F1</source>
        <translation>Frequency alternation F1</translation>
    </message>
    <message>
        <source>Черед. частот Время F1</source>
        <translation>Frequency alternation time F1</translation>
    </message>
    <message>
        <source>Черед. частот Недогруз F1</source>
        <translation>Frequency alternation underload F1</translation>
    </message>
    <message>
        <source>Черед. частот F2</source>
        <translation>Frequency alternation F2</translation>
    </message>
    <message>
        <source>Черед. частот Время F2</source>
        <translation>Frequency alternation time F2</translation>
    </message>
    <message>
        <source>Черед. частот Недогруз F2</source>
        <translation>Frequency alternation underload F2</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Начальная частота</source>
        <translation>Programmed frequency change (kick-off) start frequency</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Конечная частота</source>
        <translation>Programmed frequency change (kick-off) end frequency</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Период времени</source>
        <translation>Programmed frequency change (kick-off) time period</translation>
    </message>
    <message>
        <source>Задержка автоматического перехода в меню &quot;Текущие параметры&quot; при срабатывании защит</source>
        <translation>Delay of the automatic return to &quot;Actual values&quot; when a protection trips</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Поддержание параметра Зависимость</source>
        <translation>Parameter maintenance dependence</translation>
    </message>
    <message>
        <source>Поддержание параметра Поддерживаемое значение</source>
        <translation>Parameter maintenance target value</translation>
    </message>
    <message>
        <source>Поддержание параметра Период регулирования</source>
        <translation>Parameter maintenance control period</translation>
    </message>
    <message>
        <source>Поддержание параметра Пропорциональный коэффициент</source>
        <translation>Parameter maintenance proportional gain</translation>
    </message>
    <message>
        <source>Поддержание параметра Интегральный коэффициент</source>
        <translation>Parameter maintenance integral gain</translation>
    </message>
    <message>
        <source>Поддержание параметра Минимальная частота</source>
        <translation>Parameter maintenance minimum frequency</translation>
    </message>
    <message>
        <source>Поддержание параметра Максимальная частота</source>
        <translation>Parameter maintenance maximum frequency</translation>
    </message>
    <message>
        <source>Встряхивание Периодичность</source>
        <translation>Shaking period</translation>
    </message>
    <message>
        <source>Встряхивание Частота f1</source>
        <translation>Shaking frequency f1</translation>
    </message>
    <message>
        <source>Встряхивание Темп увеличения частоты</source>
        <translation>Shaking frequency rise rate</translation>
    </message>
    <message>
        <source>Встряхивание Частота f2</source>
        <translation>Shaking frequency f2</translation>
    </message>
    <message>
        <source>Встряхивание Темп уменьшения частоты</source>
        <translation>Shaking frequency fall rate</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля</source>
        <translation>Cable heating mode</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Сопротивление при 20С</source>
        <translation>Cable heating mode resistance at 20°C</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Сопротивление при 80С</source>
        <translation>Cable heating mode resistance at 80°C</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Номинальный ток кабеля</source>
        <translation>Cable heating mode cable rated current</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Время нагрева</source>
        <translation>Cable heating mode heating time</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Максимальное отклонение от U/f</source>
        <translation>Voltage optimisation maximum deviation from U/f</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Шаг изменения напряжения</source>
        <translation>Voltage optimisation voltage step</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Первый цикл после пуска</source>
        <translation>Voltage optimisation first cycle after start</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Периодичность оптимизации</source>
        <translation>Voltage optimisation period</translation>
    </message>
    <message>
        <source>Прокачка газа Частота F1</source>
        <translation>Gas purge frequency F1</translation>
    </message>
    <message>
        <source>Прокачка газа Частота F2</source>
        <translation>Gas purge frequency F2</translation>
    </message>
    <message>
        <source>Прокачка газа Время F1</source>
        <translation>Gas purge time F1</translation>
    </message>
    <message>
        <source>Токоограничение Порог токоограничения</source>
        <translation>Current limiting threshold</translation>
    </message>
    <message>
        <source>Токоограничение Задержка отключения</source>
        <translation>Current limiting trip delay</translation>
    </message>
    <message>
        <source>Коэффициент A</source>
        <translation>Coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент B</source>
        <translation>Coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент С</source>
        <translation>Coefficient C</translation>
    </message>
    <message>
        <source>Коэффициент U</source>
        <translation>Coefficient U</translation>
    </message>
    <message>
        <source>Коэффициент V</source>
        <translation>Coefficient V</translation>
    </message>
    <message>
        <source>Коэффициент W</source>
        <translation>Coefficient W</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Коэффициент</source>
        <translation>Insulation resistance Coefficient</translation>
    </message>
    <message>
        <source>№ ЦДНГ</source>
        <translation>Production shop No.</translation>
    </message>
    <message>
        <source>№ Куст</source>
        <translation>Cluster No.</translation>
    </message>
    <message>
        <source>№ Скв.</source>
        <translation>Well No.</translation>
    </message>
    <message>
        <source>Общее время работы</source>
        <translation>Total running time</translation>
    </message>
    <message>
        <source>Текущий простой</source>
        <translation>Present idle time</translation>
    </message>
    <message>
        <source>Последнее включение</source>
        <translation>Last start</translation>
    </message>
    <message>
        <source>Причина последнего пуска</source>
        <translation>Last start reason</translation>
    </message>
    <message>
        <source>Последнее отключение</source>
        <translation>Last stop</translation>
    </message>
    <message>
        <source>Причина последнего отключения</source>
        <translation>Last stop reason</translation>
    </message>
    <message>
        <source>Тип РВК</source>
        <translation>RVK type</translation>
    </message>
    <message>
        <source>Предприятие изготовитель РВК</source>
        <translation>RVK manufacturer</translation>
    </message>
    <message>
        <source>ПО РВК</source>
        <translation>RVK software</translation>
    </message>
    <message>
        <source>ПО МС</source>
        <translation>MS software</translation>
    </message>
    <message>
        <source>ПО ПЧ</source>
        <translation>VSD software</translation>
    </message>
    <message>
        <source>Дата изготовления РВК</source>
        <translation>RVK manufacturing date</translation>
    </message>
    <message>
        <source>Дата установки ПО РВК</source>
        <translation>RVK software installation date</translation>
    </message>
    <message>
        <source>Дата генерации ПО РВК</source>
        <translation>RVK software build date</translation>
    </message>
    <message>
        <source>Дата установки ПО ПЧ</source>
        <translation>VSD software installation date</translation>
    </message>
    <message>
        <source>Тип СУ</source>
        <translation>Station type</translation>
    </message>
    <message>
        <source>Предп.изг.СУ</source>
        <translation>Station manufacturer</translation>
    </message>
    <message>
        <source>Заводской номер СУ</source>
        <translation>Station serial No.</translation>
    </message>
    <message>
        <source>Дата изгот.СУ</source>
        <translation>Station mfg. date</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Протокол обмена</source>
        <translation>Exchange protocol</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Скорость обмена</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Четность</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Стоп-бит</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>Задержка ответа</source>
        <translation>Response delay</translation>
    </message>
    <message>
        <source>Давление</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Виброускорение</source>
        <translation>Vibration acceleration</translation>
    </message>
    <message>
        <source>Расход</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Сброс всех СчтчАПВ</source>
        <translation>Reset all restart counters</translation>
    </message>
    <message>
        <source>Сброс уставок во всех защитах</source>
        <translation>Reset setpoints of all protections</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит по сети</source>
        <translation>Reset restart counters of supply protections</translation>
    </message>
    <message>
        <source>Защиты по сети Сброс уставок</source>
        <translation>Supply protections setpoints reset</translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation>Reset default settings?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит двигателя</source>
        <translation>Reset restart counters of motor protections</translation>
    </message>
    <message>
        <source>Уста.по.умол.?</source>
        <translation>Default settings?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит ТМС</source>
        <translation>Reset restart counters of DHS protections</translation>
    </message>
    <message>
        <source>Сброс счетчиков</source>
        <translation>Counters reset</translation>
    </message>
    <message>
        <source>Недогруз Прогрессивная задержка АПВ</source>
        <translation>Underload progressive restart delay</translation>
    </message>
    <message>
        <source>Недогруз Прогрессивная задержка</source>
        <translation>Underload progressive delay</translation>
    </message>
    <message>
        <source>Программное изменение частоты (ВНР) Начальная уставка ЗСП</source>
        <translation>Programmed frequency change (kick-off) initial ULP setpoint</translation>
    </message>
    <message>
        <source>Толчковый. Частота</source>
        <translation>Pulse start. Frequency</translation>
    </message>
    <message>
        <source>Толчковый. Время толчков</source>
        <translation>Pulse start. Pulse time</translation>
    </message>
    <message>
        <source>Толчковый. Время между толчками</source>
        <translation>Pulse start. Time between pulses</translation>
    </message>
    <message>
        <source>Толчковый. Напряжение</source>
        <translation>Pulse start. Voltage</translation>
    </message>
    <message>
        <source>Толчковый. Количество</source>
        <translation>Pulse start. Count</translation>
    </message>
    <message>
        <source>Раскачка. Частота прямая</source>
        <translation>Rocking start. Forward frequency</translation>
    </message>
    <message>
        <source>Раскачка. Напряжение</source>
        <translation>Rocking start. Voltage</translation>
    </message>
    <message>
        <source>Раскачка. Количество</source>
        <translation>Rocking start. Count</translation>
    </message>
    <message>
        <source>Тип ЧРП</source>
        <translation>VSD type</translation>
    </message>
    <message>
        <source>Поддержание параметра Давление</source>
        <translation>Parameter maintenance pressure</translation>
    </message>
    <message>
        <source>Поддержание параметра Температура</source>
        <translation>Parameter maintenance temperature</translation>
    </message>
    <message>
        <source>Поддержание параметра Аналоговый вход</source>
        <translation>Parameter maintenance analog input</translation>
    </message>
    <message>
        <source>Индуктивность выходного фильтра</source>
        <translation>Output filter inductance</translation>
    </message>
    <message>
        <source>Индуктивность двигателя</source>
        <translation>Motor inductance</translation>
    </message>
    <message>
        <source>Полное индуктивное сопротивление фазы</source>
        <translation>Phase inductive impedance</translation>
    </message>
    <message>
        <source>Напряжение короткого замыкания</source>
        <translation>Short-circuit voltage</translation>
    </message>
    <message>
        <source>Частота питающей сети</source>
        <translation>Supply frequency</translation>
    </message>
    <message>
        <source>Связь с ЧРП</source>
        <translation>VSD link</translation>
    </message>
    <message>
        <source>Связь с ТМС</source>
        <translation>DHS link</translation>
    </message>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation>Energy meter link</translation>
    </message>
    <message>
        <source>Тип счётчика</source>
        <translation>Meter type</translation>
    </message>
    <message>
        <source>Напряжение A</source>
        <translation>Voltage A</translation>
    </message>
    <message>
        <source>Напряжение B</source>
        <translation>Voltage B</translation>
    </message>
    <message>
        <source>Напряжение C</source>
        <translation>Voltage C</translation>
    </message>
    <message>
        <source>Напряжение AB</source>
        <translation>Voltage AB</translation>
    </message>
    <message>
        <source>Напряжение BC</source>
        <translation>Voltage BC</translation>
    </message>
    <message>
        <source>Напряжение CA</source>
        <translation>Voltage CA</translation>
    </message>
    <message>
        <source>Входной фильтр</source>
        <translation>Input filter</translation>
    </message>
    <message>
        <source>Выходной фильтр</source>
        <translation>Output filter</translation>
    </message>
    <message>
        <source>Ёмкость выходного фильтра</source>
        <translation>Output filter capacitance</translation>
    </message>
    <message>
        <source>Напряжение питающей сети</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>Максимальное рабочее напряжение</source>
        <translation>Maximum working voltage</translation>
    </message>
    <message>
        <source>Прогресс операции</source>
        <translation>Operation progress</translation>
    </message>
    <message>
        <source>Объём операции</source>
        <translation>Operation size</translation>
    </message>
    <message>
        <source>Встряхивание. Количество</source>
        <translation>Shaking. Count</translation>
    </message>
    <message>
        <source>Кол-во разрешенных АПВ после других защит</source>
        <translation>Restarts allowed after other protections</translation>
    </message>
    <message>
        <source>Защиты сети зад. АПВ</source>
        <translation>Supply protections restart delay</translation>
    </message>
    <message>
        <source>Период автоматического переключения окон в меню &quot;Текущие параметры&quot;</source>
        <translation>Page switch period in &quot;Actual values&quot;</translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП. Сброс значения уставок по умолчанию</source>
        <translation>VSD service menu. Reset setpoints to defaults</translation>
    </message>
    <message>
        <source>Максимальная рабочая частота</source>
        <translation>Maximum working frequency</translation>
    </message>
    <message>
        <source>Таймер контроллера SL. Предел тока (13-20.6)</source>
        <translation>SL controller timer. Current limit (13-20.6)</translation>
    </message>
    <message>
        <source>Связь с ЧРП - быстрые архивы</source>
        <translation>VSD link - fast logs</translation>
    </message>
    <message>
        <source>Тип двигателя</source>
        <translation>Motor type</translation>
    </message>
    <message>
        <source>Падение напряжения на кабеле</source>
        <translation>Voltage drop on the cable</translation>
    </message>
    <message>
        <source>Падение напряжения на фильтре</source>
        <translation>Voltage drop on the filter</translation>
    </message>
    <message>
        <source>Толчковый. Частота толчка</source>
        <translation>Pulse start. Pulse frequency</translation>
    </message>
    <message>
        <source>Толчковый. Угол качания</source>
        <translation>Pulse start. Swing angle</translation>
    </message>
    <message>
        <source>Толчковый. Количество оборотов двигателя</source>
        <translation>Pulse start. Motor revolutions</translation>
    </message>
    <message>
        <source>Толчковый. Кратность напряжения импульса расклинки</source>
        <translation>Pulse start. Unjamming pulse voltage ratio</translation>
    </message>
    <message>
        <source>Толчковый. Токоограничение в режиме</source>
        <translation>Pulse start. Current limit in the mode</translation>
    </message>
    <message>
        <source>Толчковый. Порог токоограничения импульса</source>
        <translation>Pulse start. Pulse current limit threshold</translation>
    </message>
    <message>
        <source>Раскачка. Частота толчка</source>
        <translation>Rocking start. Pulse frequency</translation>
    </message>
    <message>
        <source>Раскачка. Угол качания</source>
        <translation>Rocking start. Swing angle</translation>
    </message>
    <message>
        <source>Раскачка. Количество качаний на угол</source>
        <translation>Rocking start. Swings per angle</translation>
    </message>
    <message>
        <source>Раскачка. Количество оборотов двигателя</source>
        <translation>Rocking start. Motor revolutions</translation>
    </message>
    <message>
        <source>Раскачка. Кратность напряжения импульса расклинки</source>
        <translation>Rocking start. Unjamming pulse voltage ratio</translation>
    </message>
    <message>
        <source>Раскачка. Токоограничение в режиме</source>
        <translation>Rocking start. Current limit in the mode</translation>
    </message>
    <message>
        <source>Раскачка. Порог токоограничения импульса</source>
        <translation>Rocking start. Pulse current limit threshold</translation>
    </message>
    <message>
        <source>Тип сигнала</source>
        <translation>Signal type</translation>
    </message>
    <message>
        <source>Действие по сигналу</source>
        <translation>Action on signal</translation>
    </message>
    <message>
        <source>Расчётное напряжение двигателя</source>
        <translation>Calculated motor voltage</translation>
    </message>
    <message>
        <source>Цифр. вх. 7</source>
        <translation>DI 7</translation>
    </message>
    <message>
        <source>Цифр. вх. 8</source>
        <translation>DI 8</translation>
    </message>
    <message>
        <source>Цифр. вх. 9</source>
        <translation>DI 9</translation>
    </message>
    <message>
        <source>Цифр. вх. 10</source>
        <translation>DI 10</translation>
    </message>
    <message>
        <source>Ан. вх. 5</source>
        <translation>AI 5</translation>
    </message>
    <message>
        <source>Тип входа</source>
        <translation>Input type</translation>
    </message>
    <message>
        <source>Минимум шкалы</source>
        <translation>Scale minimum</translation>
    </message>
    <message>
        <source>Максимум шкалы</source>
        <translation>Scale maximum</translation>
    </message>
    <message>
        <source>Ан. вх. 1</source>
        <translation>AI 1</translation>
    </message>
    <message>
        <source>Ан. вх. 2</source>
        <translation>AI 2</translation>
    </message>
    <message>
        <source>Ан. вх. 3</source>
        <translation>AI 3</translation>
    </message>
    <message>
        <source>Ан. вх. 4</source>
        <translation>AI 4</translation>
    </message>
    <message>
        <source>Код аварии ЧРП</source>
        <translation>VSD fault code</translation>
    </message>
    <message>
        <source>Сохранять в архивах отказы датчиков</source>
        <translation>Save sensor failures in the logs</translation>
    </message>
    <message>
        <source>Число начала расчётного периода в месяце</source>
        <translation>Accounting period start day</translation>
    </message>
    <message>
        <source>Коэффициент C</source>
        <translation>Coefficient C</translation>
    </message>
    <message>
        <source>Полная загрузка</source>
        <translation>Full load</translation>
    </message>
    <message>
        <source>Расчётное время до отключения</source>
        <translation>Estimated time to trip</translation>
    </message>
    <message>
        <source>Измерение токов ЧРП</source>
        <translation>VSD current measurement</translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Маска подсети</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Гарантированный пуск</source>
        <translation>Guaranteed start</translation>
    </message>
    <message>
        <source>Текущий недогруз</source>
        <translation>Present underload</translation>
    </message>
    <message>
        <source>Номинальный ток СУ</source>
        <translation>Station rated current</translation>
    </message>
    <message>
        <source>N контроллера</source>
        <translation>Controller No.</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП1</source>
        <translation>VSD status word 1</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП2</source>
        <translation>VSD status word 2</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП7</source>
        <translation>VSD status word 7</translation>
    </message>
    <message>
        <source>Качество связи</source>
        <translation>Link quality</translation>
    </message>
    <message>
        <source>Счётчик запросов</source>
        <translation>Requests</translation>
    </message>
    <message>
        <source>Счетчик ответов</source>
        <translation>Responses</translation>
    </message>
    <message>
        <source>Счетчик некорректных ответов</source>
        <translation>Incorrect responses</translation>
    </message>
    <message>
        <source>Счётчик ошибок контрольной суммы</source>
        <translation>Checksum errors</translation>
    </message>
    <message>
        <source>Счётчик ошибок устройства</source>
        <translation>Device errors</translation>
    </message>
    <message>
        <source>Счётчик потерянных ответов</source>
        <translation>Lost responses</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи</source>
        <translation>Reset link quality counters</translation>
    </message>
    <message>
        <source>Максимум параметров в одном запросе</source>
        <translation>Max. parameters per request</translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation>Relay output 1</translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation>Relay output 2</translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation>Relay output 3</translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation>Relay output 4</translation>
    </message>
    <message>
        <source>Приращение сопротивления статора</source>
        <translation>Stator resistance increment</translation>
    </message>
    <message>
        <source>СА Снижение частоты</source>
        <translation>SA frequency reduction</translation>
    </message>
    <message>
        <source>Спецалгоритмы Zazarere</source>
        <translation>Zazarere special algorithms</translation>
    </message>
    <message>
        <source>СА Минимальное сопротивление изоляции</source>
        <translation>SA minimum insulation resistance</translation>
    </message>
    <message>
        <source>СА Наработка с момента первичного запуска</source>
        <translation>SA running hours since the first start</translation>
    </message>
    <message>
        <source>СА Подхват. Максимальная мощность двигателя</source>
        <translation>SA flying start. Maximum motor power</translation>
    </message>
    <message>
        <source>СА Подхват. Снижение частоты между попытками</source>
        <translation>SA flying start. Frequency reduction between attempts</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Начальная частота</source>
        <translation>Resonance frequency skip start frequency</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Конечная частота</source>
        <translation>Resonance frequency skip end frequency</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Темп изменения частоты</source>
        <translation>Resonance frequency skip frequency change rate</translation>
    </message>
    <message>
        <source>Частота синхронизации</source>
        <translation>Synchronisation frequency</translation>
    </message>
    <message>
        <source>Время синхронизации</source>
        <translation>Synchronisation time</translation>
    </message>
    <message>
        <source>СА Время работы на пониженной частоте</source>
        <translation>SA run time at reduced frequency</translation>
    </message>
    <message>
        <source>Текущая уставка по току</source>
        <translation>Present current setpoint</translation>
    </message>
    <message>
        <source>СА Лимит наработки с момента первичного запуска</source>
        <translation>SA running hours limit since the first start</translation>
    </message>
    <message>
        <source>СА Кратность перегрузки</source>
        <translation>SA overload ratio</translation>
    </message>
    <message>
        <source>Профиль двигателя в ЧРП</source>
        <translation>Motor profile in the VSD</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Смещение</source>
        <translation>Insulation resistance Offset</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Знак смещения</source>
        <translation>Insulation resistance Offset sign</translation>
    </message>
    <message>
        <source>Подхват. F ожидания</source>
        <translation>Flying start. Wait F</translation>
    </message>
    <message>
        <source>Подхват. Время ожидания</source>
        <translation>Flying start. Wait time</translation>
    </message>
    <message>
        <source>Подхват. Время разгона</source>
        <translation>Flying start. Acceleration time</translation>
    </message>
    <message>
        <source>Подхват. Время торм.</source>
        <translation>Flying start. Decel. time</translation>
    </message>
    <message>
        <source>Удельная ЭДС</source>
        <translation>Specific EMF</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Bypass contactors</translation>
    </message>
    <message>
        <source>Состояние KM1</source>
        <translation>KM1 state</translation>
    </message>
    <message>
        <source>Состояние KM2</source>
        <translation>KM2 state</translation>
    </message>
    <message>
        <source>Прямой пуск</source>
        <translation>Direct start</translation>
    </message>
    <message>
        <source>Ан. вх. 6</source>
        <translation>AI 6</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Смещ.</source>
        <translation>AI 6 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Коэф.</source>
        <translation>AI 6 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 7</source>
        <translation>AI 7</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Смещ.</source>
        <translation>AI 7 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Коэф.</source>
        <translation>AI 7 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 8</source>
        <translation>AI 8</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Смещ.</source>
        <translation>AI 8 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Коэф.</source>
        <translation>AI 8 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Тип</source>
        <translation>AI 6 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Тип</source>
        <translation>AI 7 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 8. Тип</source>
        <translation>AI 8. Type</translation>
    </message>
    <message>
        <source>Конфигурации. Сброс всех уставок</source>
        <translation>Configurations. Reset all setpoints</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Смещ.</source>
        <translation>AI 5 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Знак</source>
        <translation>AI 5 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Коэф.</source>
        <translation>AI 5 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Знак</source>
        <translation>AI 6 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Знак</source>
        <translation>AI 7 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Знак</source>
        <translation>AI 8 Sign</translation>
    </message>
    <message>
        <source>Калибровка. Смещение</source>
        <translation>Calibration. Offset</translation>
    </message>
    <message>
        <source>Калибровка. Ось смещения</source>
        <translation>Calibration. Offset sign</translation>
    </message>
    <message>
        <source>Калибровка. Коэффициент</source>
        <translation>Calibration. Coefficient</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Тип</source>
        <translation>AI 5 Type</translation>
    </message>
    <message>
        <source>Датчик температура фильтра</source>
        <translation>Filter temperature sensor</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Уставка пуска максимум</source>
        <translation>Restart Setpoint maximum</translation>
    </message>
    <message>
        <source>Пркч. кол. циклов</source>
        <translation>Gas purge cycles</translation>
    </message>
    <message>
        <source>Пркч. задержка</source>
        <translation>Gas purge delay</translation>
    </message>
    <message>
        <source>Прокачка газа. Уставка активации режима</source>
        <translation>Gas purge. Mode activation setpoint</translation>
    </message>
    <message>
        <source>Режим &quot;мягкого&quot; пуска</source>
        <translation>&quot;Soft&quot; start mode</translation>
    </message>
    <message>
        <source>Период записи ТМС первый час после останова</source>
        <translation>DHS recording interval first hour after shutdown</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Источник</source>
        <translation>Insulation resistance Source</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Автовыбор источника</source>
        <translation>Insulation resistance Source auto-selection</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Пересчитывать границы</source>
        <translation>Voltage optimisation recalculate limits</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Восстанавливать характеристику U/f</source>
        <translation>Voltage optimisation restore the U/f curve</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Первый шаг</source>
        <translation>Voltage optimisation first step</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Изменение тока для принятия решения</source>
        <translation>Voltage optimisation current change for a decision</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Период усреднения тока</source>
        <translation>Voltage optimisation current averaging period</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Начало цикла после возврата характеристики U/f</source>
        <translation>Voltage optimisation cycle start after U/f curve return</translation>
    </message>
    <message>
        <source>Напряжение U</source>
        <translation>Voltage U</translation>
    </message>
    <message>
        <source>Напряжение V</source>
        <translation>Voltage V</translation>
    </message>
    <message>
        <source>Напряжение W</source>
        <translation>Voltage W</translation>
    </message>
    <message>
        <source>Напряжение UV</source>
        <translation>Voltage UV</translation>
    </message>
    <message>
        <source>Напряжение VW</source>
        <translation>Voltage VW</translation>
    </message>
    <message>
        <source>Напряжение WU</source>
        <translation>Voltage WU</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Ток фазы U</source>
        <translation>Phase current U</translation>
    </message>
    <message>
        <source>Ток фазы V</source>
        <translation>Phase current V</translation>
    </message>
    <message>
        <source>Ток фазы W</source>
        <translation>Phase current W</translation>
    </message>
    <message>
        <source>Полное сопротивление фазы</source>
        <translation>Phase impedance</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы</source>
        <translation>Phase resistance</translation>
    </message>
    <message>
        <source>Погонная индуктивность кабеля на км</source>
        <translation>Cable inductance per km</translation>
    </message>
    <message>
        <source>Температура жидкости</source>
        <translation>Fluid temperature</translation>
    </message>
    <message>
        <source>ЭДС по модели</source>
        <translation>EMF by model</translation>
    </message>
    <message>
        <source>Формат вывода напряжения</source>
        <translation>Voltage display format</translation>
    </message>
    <message>
        <source>Поддержание параметра Загрузка</source>
        <translation>Parameter maintenance load</translation>
    </message>
    <message>
        <source>Поддержание параметра Мощность</source>
        <translation>Parameter maintenance power</translation>
    </message>
    <message>
        <source>Сжать архив</source>
        <translation>Compress log</translation>
    </message>
    <message>
        <source>Состояние архива</source>
        <translation>Log state</translation>
    </message>
    <message>
        <source>Размер сжатого архива</source>
        <translation>Compressed log size</translation>
    </message>
    <message>
        <source>Минимум шкалы. Ось смещения</source>
        <translation>Scale minimum. Offset sign</translation>
    </message>
    <message>
        <source>Максимум шкалы. Ось смещения</source>
        <translation>Scale maximum. Offset sign</translation>
    </message>
    <message>
        <source>Уставка останова минимум. Ось смещения</source>
        <translation>Alarm Setpoint minimum. Offset sign</translation>
    </message>
    <message>
        <source>Уставка останова максимум. Ось смещения</source>
        <translation>Alarm Setpoint maximum. Offset sign</translation>
    </message>
    <message>
        <source>Уставка пуска минимум. Ось смещения</source>
        <translation>Restart Setpoint minimum. Offset sign</translation>
    </message>
    <message>
        <source>Уставка пуска максимум. Ось смещения</source>
        <translation>Restart Setpoint maximum. Offset sign</translation>
    </message>
    <message>
        <source>Минимальная яркость дисплея</source>
        <translation>Minimum display brightness</translation>
    </message>
    <message>
        <source>Максимальная яркость дисплея</source>
        <translation>Maximum display brightness</translation>
    </message>
    <message>
        <source>ЭДС по паспортным данным</source>
        <translation>EMF by nameplate data</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Отклонение ЭДС</source>
        <translation>Motor out of sync EMF deviation</translation>
    </message>
    <message>
        <source>Мощность короткого замыкания</source>
        <translation>Short-circuit power</translation>
    </message>
    <message>
        <source>Турбинное вращение Коэффициент</source>
        <translation>Turbine rotation Coefficient</translation>
    </message>
    <message>
        <source>Положение датчика</source>
        <translation>Sensor position</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Уставка останова по ЭДС</source>
        <translation>Motor out of sync Alarm Setpoint by EMF</translation>
    </message>
    <message>
        <source>Автоадаптация.Запуск после автоадаптации</source>
        <translation>Auto-adaptation. Start after auto-adaptation</translation>
    </message>
    <message>
        <source>Автоадаптация.Время измерения тока</source>
        <translation>Auto-adaptation. Current measuring time</translation>
    </message>
    <message>
        <source>СА Время контроля специальных алгоритмов</source>
        <translation>SA special algorithm check time</translation>
    </message>
    <message>
        <source>Название входа</source>
        <translation>Input name</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Данные автоадаптации</source>
        <translation>Motor out of sync Auto-adaptation data</translation>
    </message>
    <message>
        <source>Металл кабеля</source>
        <translation>Cable conductor metal</translation>
    </message>
    <message>
        <source>Параметр для расчёта индуктивности</source>
        <translation>Parameter for inductance calculation</translation>
    </message>
    <message>
        <source>Нефтяная компания</source>
        <translation>Oil company</translation>
    </message>
    <message>
        <source>Кратность пускового момента</source>
        <translation>Starting torque ratio</translation>
    </message>
    <message>
        <source>Максимальная пусковая частота</source>
        <translation>Maximum starting frequency</translation>
    </message>
    <message>
        <source>Граничная частота</source>
        <translation>Limit frequency</translation>
    </message>
    <message>
        <source>Допустимый предел насыщения ТМПН</source>
        <translation>SUT permitted saturation limit</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения ЧРП</source>
        <translation>VSD output voltage compensation</translation>
    </message>
    <message>
        <source>Пусковая частота</source>
        <translation>Starting frequency</translation>
    </message>
    <message>
        <source>Температура поверхности</source>
        <translation>Surface temperature</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы фильтра</source>
        <translation>Filter phase resistance</translation>
    </message>
    <message>
        <source>СА Подхват. Разрешено попыток подхвата</source>
        <translation>SA flying start. Flying start attempts allowed</translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП)</source>
        <translation>SA overload (OLP)</translation>
    </message>
    <message>
        <source>Синхронизация времени с NTP сервером</source>
        <translation>Time synchronisation with the NTP server</translation>
    </message>
    <message>
        <source>Период синхронизации времени с NTP сервером</source>
        <translation>NTP time synchronisation period</translation>
    </message>
    <message>
        <source>Адрес NTP сервера</source>
        <translation>NTP server address</translation>
    </message>
    <message>
        <source>Время отключения РВК</source>
        <translation>RVK switch-off time</translation>
    </message>
    <message>
        <source>Время отключения GUI</source>
        <translation>GUI switch-off time</translation>
    </message>
    <message>
        <source>Время отключения подсветки дисплея</source>
        <translation>Display backlight switch-off time</translation>
    </message>
    <message>
        <source>Часовой пояс</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Толчковый. Предел тока</source>
        <translation>Pulse start. Current limit</translation>
    </message>
    <message>
        <source>Автоматический переход на следующий параметр после редактирования</source>
        <translation>Go to the next parameter after editing</translation>
    </message>
    <message>
        <source>Плотность нефти</source>
        <translation>Oil density</translation>
    </message>
    <message>
        <source>Плотность воды</source>
        <translation>Water density</translation>
    </message>
    <message>
        <source>Обв., %</source>
        <translation>Water cut, %</translation>
    </message>
    <message>
        <source>Глубина скваж. До ИП</source>
        <translation>Well depth to PBTD</translation>
    </message>
    <message>
        <source>Искусств. забой</source>
        <translation>Plugged-back total depth</translation>
    </message>
    <message>
        <source>Удлин. ЭК до ИЗ</source>
        <translation>Casing deviation to PBTD</translation>
    </message>
    <message>
        <source>Диаметр НКТ</source>
        <translation>Tubing diameter</translation>
    </message>
    <message>
        <source>Толщина стенки НКТ</source>
        <translation>Tubing wall thickness</translation>
    </message>
    <message>
        <source>Диаметр ЭК</source>
        <translation>Casing diameter</translation>
    </message>
    <message>
        <source>Толщина стенки ЭК</source>
        <translation>Casing wall thickness</translation>
    </message>
    <message>
        <source>Динамический уровень</source>
        <translation>Dynamic level</translation>
    </message>
    <message>
        <source>Устьевое давление</source>
        <translation>Wellhead pressure</translation>
    </message>
    <message>
        <source>Затрубное давление</source>
        <translation>Annulus pressure</translation>
    </message>
    <message>
        <source>Линейное давление</source>
        <translation>Flowline pressure</translation>
    </message>
    <message>
        <source>Отладочные сообщения телемеханики</source>
        <translation>SCADA debug messages</translation>
    </message>
    <message>
        <source>Автоадаптация. Частота ШИМ</source>
        <translation>Auto-adaptation. PWM frequency</translation>
    </message>
    <message>
        <source>Автоадаптация. Нижняя граница</source>
        <translation>Auto-adaptation. Lower limit</translation>
    </message>
    <message>
        <source>Автоадаптация. Верхняя граница</source>
        <translation>Auto-adaptation. Upper limit</translation>
    </message>
    <message>
        <source>Автоадаптация. Делитель</source>
        <translation>Auto-adaptation. Divider</translation>
    </message>
    <message>
        <source>Автоадаптация. Максимум</source>
        <translation>Auto-adaptation. Maximum</translation>
    </message>
    <message>
        <source>Автоадаптация. Мин. шаг</source>
        <translation>Auto-adaptation. Min. step</translation>
    </message>
    <message>
        <source>Время Rиз</source>
        <translation>Riz time</translation>
    </message>
    <message>
        <source>Раскачка. Частота обратная</source>
        <translation>Rocking start. Reverse frequency</translation>
    </message>
    <message>
        <source>Раскачка. Предел тока</source>
        <translation>Rocking start. Current limit</translation>
    </message>
    <message>
        <source>СА Уставка токоограничения</source>
        <translation>SA current limit setpoint</translation>
    </message>
    <message>
        <source>Раскачка. Время разгона</source>
        <translation>Rocking start. Acceleration time</translation>
    </message>
    <message>
        <source>Раскачка. Время торможения</source>
        <translation>Rocking start. Deceleration time</translation>
    </message>
    <message>
        <source>Раскачка. Время толчка</source>
        <translation>Rocking start. Pulse time</translation>
    </message>
    <message>
        <source>СА Прокачка. Период подсчета циклов прокачки</source>
        <translation>SA gas purge. Purge cycle counting period</translation>
    </message>
    <message>
        <source>СА Задержка на токоограничение</source>
        <translation>SA current limit delay</translation>
    </message>
    <message>
        <source>СА Снижение рабочего тока</source>
        <translation>SA working current reduction</translation>
    </message>
    <message>
        <source>Частота R</source>
        <translation>Frequency R</translation>
    </message>
    <message>
        <source>Частота L</source>
        <translation>Frequency L</translation>
    </message>
    <message>
        <source>Ток R</source>
        <translation>Current R</translation>
    </message>
    <message>
        <source>Ток L</source>
        <translation>Current L</translation>
    </message>
    <message>
        <source>Автонастройка</source>
        <translation>Auto-tuning</translation>
    </message>
    <message>
        <source>Автонастройка. Частота ЭДС</source>
        <translation>Auto-tuning. EMF frequency</translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения R</source>
        <translation>Auto-tuning. R measuring time</translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения L</source>
        <translation>Auto-tuning. L measuring time</translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения ЭДС</source>
        <translation>Auto-tuning. EMF measuring time</translation>
    </message>
    <message>
        <source>Автоадаптация. Источник тока</source>
        <translation>Auto-adaptation. Current source</translation>
    </message>
    <message>
        <source>Действие при подключении USB носителя</source>
        <translation>Action when a USB drive is connected</translation>
    </message>
    <message>
        <source>Коэффициент сглаживания момента</source>
        <translation>Torque smoothing coefficient</translation>
    </message>
    <message>
        <source>Период записи в останове</source>
        <translation>Recording interval while stopped</translation>
    </message>
    <message>
        <source>Поддержание параметра Расход</source>
        <translation>Parameter maintenance flow</translation>
    </message>
    <message>
        <source>Источник входных напряжений</source>
        <translation>Input voltage source</translation>
    </message>
    <message>
        <source>Сигнализация отклонения рабочих параметров</source>
        <translation>Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Отображение форм модели работы</source>
        <translation>Show work model pages</translation>
    </message>
    <message>
        <source>Использовать данные модели</source>
        <translation>Use model data</translation>
    </message>
    <message>
        <source>СА Подхват. Частота ожидания</source>
        <translation>SA flying start. Wait frequency</translation>
    </message>
    <message>
        <source>СА Подхват. Время работы на частоте ожидания</source>
        <translation>SA flying start. Run time at the wait frequency</translation>
    </message>
    <message>
        <source>СА Подхват. Время разгона до частоты ожидания</source>
        <translation>SA flying start. Acceleration time to the wait frequency</translation>
    </message>
    <message>
        <source>СА Подхват. Время торможения с частоты ожидания</source>
        <translation>SA flying start. Deceleration time from the wait frequency</translation>
    </message>
    <message>
        <source>СА Толчковый. Частота толчков</source>
        <translation>SA pulse start. Pulse frequency</translation>
    </message>
    <message>
        <source>СА Толчковый. Время толчков</source>
        <translation>SA pulse start. Pulse time</translation>
    </message>
    <message>
        <source>СА Толчковый. Время между толчками</source>
        <translation>SA pulse start. Time between pulses</translation>
    </message>
    <message>
        <source>СА Толчковый. Количество толчков</source>
        <translation>SA pulse start. Pulse count</translation>
    </message>
    <message>
        <source>СА Толчковый. Напряжение толчков</source>
        <translation>SA pulse start. Pulse voltage</translation>
    </message>
    <message>
        <source>СА Раскачка. Частота прямая</source>
        <translation>SA rocking start. Forward frequency</translation>
    </message>
    <message>
        <source>СА Раскачка. Частота обратная</source>
        <translation>SA rocking start. Reverse frequency</translation>
    </message>
    <message>
        <source>СА Раскачка. Время раскачки</source>
        <translation>SA rocking start. Rocking time</translation>
    </message>
    <message>
        <source>СА Раскачка. Время разгона</source>
        <translation>SA rocking start. Acceleration time</translation>
    </message>
    <message>
        <source>СА Раскачка. Время торможения</source>
        <translation>SA rocking start. Deceleration time</translation>
    </message>
    <message>
        <source>СА Раскачка. Количество циклов</source>
        <translation>SA rocking start. Cycle count</translation>
    </message>
    <message>
        <source>СА Раскачка. Напряжение раскачки</source>
        <translation>SA rocking start. Rocking voltage</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Состояние</source>
        <translation>SA gas purge. State</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Частота нижняя</source>
        <translation>SA gas purge. Lower frequency</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Частота верхняя</source>
        <translation>SA gas purge. Upper frequency</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Максимальное число циклов</source>
        <translation>SA gas purge. Maximum cycle count</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Порог отключения</source>
        <translation>SA gas purge. Trip threshold</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Время фиксации недогруза</source>
        <translation>SA gas purge. Underload detection time</translation>
    </message>
    <message>
        <source>СА Подхват. Снижение напряжение</source>
        <translation>SA flying start. Voltage reduction</translation>
    </message>
    <message>
        <source>СА Подхват. Шаги возврата напряжения</source>
        <translation>SA flying start. Voltage return steps</translation>
    </message>
    <message>
        <source>СА Подхват. Частота возврата напряжения</source>
        <translation>SA flying start. Voltage return frequency</translation>
    </message>
    <message>
        <source>СА Подхват. Время разгона после разворота</source>
        <translation>SA flying start. Acceleration time after reversal</translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation>Output type</translation>
    </message>
    <message>
        <source>Оптимизация напряжения при холостом ходе</source>
        <translation>Voltage optimisation at no load</translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Уставка холостого хода</source>
        <translation>Voltage optimisation. No-load setpoint</translation>
    </message>
    <message>
        <source>Знак температуры прогрева</source>
        <translation>Warm-up temperature sign</translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation>VSD controller test mode</translation>
    </message>
    <message>
        <source>Ошибка связи с термодатчиками</source>
        <translation>Temperature sensor link error</translation>
    </message>
    <message>
        <source>Тепловая защита радиаторов</source>
        <translation>Heatsink thermal protection</translation>
    </message>
    <message>
        <source>Тепловая защита по воздуху</source>
        <translation>Air thermal protection</translation>
    </message>
    <message>
        <source>Тепловая защита тиристоров</source>
        <translation>Thyristor thermal protection</translation>
    </message>
    <message>
        <source>Тепловая защита реактора</source>
        <translation>Reactor thermal protection</translation>
    </message>
    <message>
        <source>СА Период записи в работе</source>
        <translation>SA recording interval while running</translation>
    </message>
    <message>
        <source>Релейный вых.4 Температура включения</source>
        <translation>Relay 4 on temperature</translation>
    </message>
    <message>
        <source>Релейный вых.4 Температура отключения</source>
        <translation>Relay 4 off temperature</translation>
    </message>
    <message>
        <source>Единицы измерения мощность двигателя</source>
        <translation>Motor power units</translation>
    </message>
    <message>
        <source>Единицы измерения сечения кабеля</source>
        <translation>Cable cross-section units</translation>
    </message>
    <message>
        <source>Недогруз. Не учитывать коэффициентов мощности</source>
        <translation>Underload. Ignore power factor</translation>
    </message>
    <message>
        <source>Значение cos при холостом ходе</source>
        <translation>No-load cos value</translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с СУ</source>
        <translation>Reset station link quality counters</translation>
    </message>
    <message>
        <source>Имя ЦДНГ</source>
        <translation>Production shop name</translation>
    </message>
    <message>
        <source>Имя куста</source>
        <translation>Cluster name</translation>
    </message>
    <message>
        <source>Имя Скв.</source>
        <translation>Well name</translation>
    </message>
    <message>
        <source>Использовать имя скважины/куста/месторождения</source>
        <translation>Use the well/cluster/field name</translation>
    </message>
    <message>
        <source>Задержка на чтение после записи</source>
        <translation>Read delay after a write</translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Уставка тока</source>
        <translation>Voltage optimisation. Current setpoint</translation>
    </message>
    <message>
        <source>Меню технолога</source>
        <translation>Technologist menu</translation>
    </message>
    <message>
        <source>Меню.Параметр 1</source>
        <translation>Menu. Parameter 1</translation>
    </message>
    <message>
        <source>Меню.Параметр 2</source>
        <translation>Menu. Parameter 2</translation>
    </message>
    <message>
        <source>Меню.Параметр 3</source>
        <translation>Menu. Parameter 3</translation>
    </message>
    <message>
        <source>Меню.Параметр 4</source>
        <translation>Menu. Parameter 4</translation>
    </message>
    <message>
        <source>Меню.Параметр 5</source>
        <translation>Menu. Parameter 5</translation>
    </message>
    <message>
        <source>Меню.Параметр 6</source>
        <translation>Menu. Parameter 6</translation>
    </message>
    <message>
        <source>Меню.Параметр 7</source>
        <translation>Menu. Parameter 7</translation>
    </message>
    <message>
        <source>Меню.Параметр 8</source>
        <translation>Menu. Parameter 8</translation>
    </message>
    <message>
        <source>Меню.Параметр 9</source>
        <translation>Menu. Parameter 9</translation>
    </message>
    <message>
        <source>Меню.Параметр 10</source>
        <translation>Menu. Parameter 10</translation>
    </message>
    <message>
        <source>Меню.Параметр 11</source>
        <translation>Menu. Parameter 11</translation>
    </message>
    <message>
        <source>Меню.Параметр 12</source>
        <translation>Menu. Parameter 12</translation>
    </message>
    <message>
        <source>Меню.Параметр 13</source>
        <translation>Menu. Parameter 13</translation>
    </message>
    <message>
        <source>Меню.Параметр 14</source>
        <translation>Menu. Parameter 14</translation>
    </message>
    <message>
        <source>Меню.Параметр 15</source>
        <translation>Menu. Parameter 15</translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Использовать настройки из меню</source>
        <translation>Voltage optimisation. Use the menu settings</translation>
    </message>
    <message>
        <source>Поддержание параметра.Тип регулирования</source>
        <translation>Parameter maintenance. Control type</translation>
    </message>
    <message>
        <source>Уставка включения контактора входного фильтра</source>
        <translation>Input filter contactor on setpoint</translation>
    </message>
    <message>
        <source>Уставка выключения контактора входного фильтра</source>
        <translation>Input filter contactor off setpoint</translation>
    </message>
    <message>
        <source>Время между контролем</source>
        <translation>Time between checks</translation>
    </message>
    <message>
        <source>Количество ошибок контроля</source>
        <translation>Check error count</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси D</source>
        <translation>Motor D-axis inductance</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси Q</source>
        <translation>Motor Q-axis inductance</translation>
    </message>
    <message>
        <source>Количество шагов снижения напряжения до 0</source>
        <translation>Voltage reduction steps to 0</translation>
    </message>
    <message>
        <source>Периодика Zazarere</source>
        <translation>Zazarere periodic mode</translation>
    </message>
    <message>
        <source>Периодика Zazarere. Время работы</source>
        <translation>Zazarere periodic mode. Run time</translation>
    </message>
    <message>
        <source>Периодика Zazarere. Время паузы</source>
        <translation>Zazarere periodic mode. Pause time</translation>
    </message>
    <message>
        <source>Периодика Zazarere. Минимальное давление</source>
        <translation>Zazarere periodic mode. Minimum pressure</translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП. Сохранить значения уставок?</source>
        <translation>VSD service menu. Save the setpoints?</translation>
    </message>
    <message>
        <source>Скорость порта</source>
        <translation>Port speed</translation>
    </message>
    <message>
        <source>Количество стоп бит</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>Ожидание ответа</source>
        <translation>Response timeout</translation>
    </message>
    <message>
        <source>Повторы</source>
        <translation>Retries</translation>
    </message>
    <message>
        <source>Номер канала</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Время контроля потери связи</source>
        <translation>Link loss check time</translation>
    </message>
    <message>
        <source>Количество потерь связи</source>
        <translation>Link loss count</translation>
    </message>
    <message>
        <source>Время тишины</source>
        <translation>Silence time</translation>
    </message>
    <message>
        <source>Ошибки Flash ЧРП</source>
        <translation>VSD flash errors</translation>
    </message>
    <message>
        <source>Прокачка газа Время F2</source>
        <translation>Gas purge time F2</translation>
    </message>
    <message>
        <source>Время F - F1</source>
        <translation>Time F - F1</translation>
    </message>
    <message>
        <source>Время F1 - F2</source>
        <translation>Time F1 - F2</translation>
    </message>
    <message>
        <source>Время F2 - F</source>
        <translation>Time F2 - F</translation>
    </message>
    <message>
        <source>Расширенные настройки</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>Время изменения частоты</source>
        <translation>Frequency change time</translation>
    </message>
    <message>
        <source>Пркч. деактивация</source>
        <translation>Gas purge deactivation</translation>
    </message>
    <message>
        <source>Прокачка газа. Использовать уставку недогруза</source>
        <translation>Gas purge. Use the underload setpoint</translation>
    </message>
    <message>
        <source>Прокачка газа. Анализ загрузки после каждого цикла</source>
        <translation>Gas purge. Load check after every cycle</translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation>Relay output 5</translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation>Relay output 6</translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation>Relay output 7</translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation>Relay output 8</translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation>Relay output 9</translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation>Relay output 10</translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation>Relay output 11</translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation>Relay output 12</translation>
    </message>
    <message>
        <source>Авария СУ</source>
        <translation>Station fault</translation>
    </message>
    <message>
        <source>Время задержки срабатывания</source>
        <translation>Operate delay</translation>
    </message>
    <message>
        <source>Время удержания реле</source>
        <translation>Relay hold time</translation>
    </message>
    <message>
        <source>Цифр. вх. 13</source>
        <translation>DI 13</translation>
    </message>
    <message>
        <source>Цифр. вх. 14</source>
        <translation>DI 14</translation>
    </message>
    <message>
        <source>Цифр. вх. 15</source>
        <translation>DI 15</translation>
    </message>
    <message>
        <source>Цифр. вх. 16</source>
        <translation>DI 16</translation>
    </message>
    <message>
        <source>Цифр. вх. 17</source>
        <translation>DI 17</translation>
    </message>
    <message>
        <source>Цифр. вх. 18</source>
        <translation>DI 18</translation>
    </message>
    <message>
        <source>Цифр. вх. 19</source>
        <translation>DI 19</translation>
    </message>
    <message>
        <source>Цифр. вх. 20</source>
        <translation>DI 20</translation>
    </message>
    <message>
        <source>Цифр. вх. 21</source>
        <translation>DI 21</translation>
    </message>
    <message>
        <source>Цифр. вх. 22</source>
        <translation>DI 22</translation>
    </message>
    <message>
        <source>Цифр. вх. 23</source>
        <translation>DI 23</translation>
    </message>
    <message>
        <source>Цифр. вх. 24</source>
        <translation>DI 24</translation>
    </message>
    <message>
        <source>СА Учитывать дату изготовления СУ</source>
        <translation>SA take the station mfg. date into account</translation>
    </message>
    <message>
        <source>Блокирововать кнопки</source>
        <translation>Lock the keys</translation>
    </message>
    <message>
        <source>Шлюз</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Уставки останова двигателя</source>
        <translation>Motor stop setpoints</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Время увеличения частоты</source>
        <translation>Programmed frequency change (kick-off) frequency rise time</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Время уменьшения частоты</source>
        <translation>Programmed frequency change (kick-off) frequency fall time</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Шаг изменения частоты</source>
        <translation>Programmed frequency change (kick-off) frequency step</translation>
    </message>
    <message>
        <source>Тип калибровки</source>
        <translation>Calibration type</translation>
    </message>
    <message>
        <source>Аварийная кнопка</source>
        <translation>Emergency button</translation>
    </message>
    <message>
        <source>Запуск и останов по SCADA в ручном режиме работы</source>
        <translation>SCADA start and stop in manual mode</translation>
    </message>
    <message>
        <source>Время максимум</source>
        <translation>Shutdown delay maximum</translation>
    </message>
    <message>
        <source>Действие защиты максимум</source>
        <translation>Action of protection maximum</translation>
    </message>
    <message>
        <source>Задержка АПВ максимум</source>
        <translation>Restarts delay maximum</translation>
    </message>
    <message>
        <source>Вых. частота</source>
        <translation>Output frequency</translation>
    </message>
    <message>
        <source>Уставка частоты</source>
        <translation>Frequency setpoint</translation>
    </message>
    <message>
        <source>Вых. напряж.</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Тип управления</source>
        <translation>Control type</translation>
    </message>
    <message>
        <source>Напр.вращения</source>
        <translation>Rotation direction</translation>
    </message>
    <message>
        <source>Ток DC</source>
        <translation>DC current</translation>
    </message>
    <message>
        <source>Напряжение DC</source>
        <translation>DC voltage</translation>
    </message>
    <message>
        <source>Активная мощн.</source>
        <translation>Active power</translation>
    </message>
    <message>
        <source>Полная мощн.</source>
        <translation>Apparent power</translation>
    </message>
    <message>
        <source>Номинальная мощность ПЭД</source>
        <translation>Motor rated power</translation>
    </message>
    <message>
        <source>Номинальное напряжение ПЭД</source>
        <translation>Motor rated voltage</translation>
    </message>
    <message>
        <source>Номинальный ток ПЭД</source>
        <translation>Motor rated current</translation>
    </message>
    <message>
        <source>Номинальная скорость ПЭД</source>
        <translation>Motor rated speed</translation>
    </message>
    <message>
        <source>Номинальная частота ПЭД</source>
        <translation>Motor rated frequency</translation>
    </message>
    <message>
        <source>Номинальный коэффициент мощности ПЭД</source>
        <translation>Motor rated power factor</translation>
    </message>
    <message>
        <source>Индуктивность по оси d</source>
        <translation>D-axis inductance</translation>
    </message>
    <message>
        <source>Количество пар полюсов ПЭД</source>
        <translation>Motor pole pairs</translation>
    </message>
    <message>
        <source>Минимальная частота</source>
        <translation>Minimum frequency</translation>
    </message>
    <message>
        <source>Максимальная частота</source>
        <translation>Maximum frequency</translation>
    </message>
    <message>
        <source>Время разгона</source>
        <translation>Acceleration time</translation>
    </message>
    <message>
        <source>Время торможен.</source>
        <translation>Deceleration time</translation>
    </message>
    <message>
        <source>Характеристика U/f</source>
        <translation>U/f curve</translation>
    </message>
    <message>
        <source>U1</source>
        <translation>U1</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>U2</source>
        <translation>U2</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>U3</source>
        <translation>U3</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>U4</source>
        <translation>U4</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>U5</source>
        <translation>U5</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>U6</source>
        <translation>U6</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Постоянная времени усреднения тока</source>
        <translation>Current averaging time constant</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП5</source>
        <translation>VSD status word 5</translation>
    </message>
    <message>
        <source>Коэффициент отображения тока</source>
        <translation>Current display coefficient</translation>
    </message>
    <message>
        <source>Конфигурация разъема платы расширения</source>
        <translation>Extension board connector configuration</translation>
    </message>
    <message>
        <source>Состояние дискретных выходов</source>
        <translation>Digital output state</translation>
    </message>
    <message>
        <source>Состояние дискретных входов</source>
        <translation>Digital input state</translation>
    </message>
    <message>
        <source>Маска включения выходов</source>
        <translation>Output on mask</translation>
    </message>
    <message>
        <source>Маска выключения выходов</source>
        <translation>Output off mask</translation>
    </message>
    <message>
        <source>Температура включения вентилятора</source>
        <translation>Fan on temperature</translation>
    </message>
    <message>
        <source>Температура выключения вентилятора</source>
        <translation>Fan off temperature</translation>
    </message>
    <message>
        <source>Период проверки температуры вентилятора</source>
        <translation>Fan temperature check period</translation>
    </message>
    <message>
        <source>Измерение мощности</source>
        <translation>Power measurement</translation>
    </message>
    <message>
        <source>Частота удержания</source>
        <translation>Hold frequency</translation>
    </message>
    <message>
        <source>Темп снижения частоты при токоограничении</source>
        <translation>Frequency reduction rate at current limiting</translation>
    </message>
    <message>
        <source>Темп снижения частоты при нехватке напряжения</source>
        <translation>Frequency reduction rate at low voltage</translation>
    </message>
    <message>
        <source>Подхват. Напряжение форсировки</source>
        <translation>Flying start. Boost voltage</translation>
    </message>
    <message>
        <source>Подхват. Частота форсировки</source>
        <translation>Flying start. Boost frequency</translation>
    </message>
    <message>
        <source>Компенсации нагрузки</source>
        <translation>Load compensation</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент частотного контура</source>
        <translation>Frequency loop proportional gain</translation>
    </message>
    <message>
        <source>Интегральный коэффициент частотного контура</source>
        <translation>Frequency loop integral gain</translation>
    </message>
    <message>
        <source>Коэффициент перехода с вектора на U/f</source>
        <translation>Vector to U/f transition coefficient</translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП (128)</source>
        <translation>Total inductance at the VSD output (128)</translation>
    </message>
    <message>
        <source>Интегральный коэффициент фазового контура</source>
        <translation>Phase loop integral gain</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения по амплитуде</source>
        <translation>Output voltage amplitude compensation</translation>
    </message>
    <message>
        <source>Компенсация фазы выходного напряжения</source>
        <translation>Output voltage phase compensation</translation>
    </message>
    <message>
        <source>Т1 тиристора дравера 1</source>
        <translation>Driver 1 thyristor T1</translation>
    </message>
    <message>
        <source>Максимальное напряжение DC</source>
        <translation>Maximum DC voltage</translation>
    </message>
    <message>
        <source>Т2 тиристора дравера 1</source>
        <translation>Driver 1 thyristor T2</translation>
    </message>
    <message>
        <source>Пусковая частота ВПЭД</source>
        <translation>PM motor starting frequency</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент фазового контура</source>
        <translation>Phase loop proportional gain</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент подавления резонанса</source>
        <translation>Resonance suppression proportional gain</translation>
    </message>
    <message>
        <source>Начальная частота подавления резонанса</source>
        <translation>Resonance suppression start frequency</translation>
    </message>
    <message>
        <source>Фаза выходного тока B</source>
        <translation>Output current phase B</translation>
    </message>
    <message>
        <source>Фаза выходного тока C</source>
        <translation>Output current phase C</translation>
    </message>
    <message>
        <source>Подхват. Время торможения</source>
        <translation>Flying start. Deceleration time</translation>
    </message>
    <message>
        <source>Напряжение окончания разряда</source>
        <translation>Discharge end voltage</translation>
    </message>
    <message>
        <source>Подхват. Начальная частота режима остановки турбинного вращения</source>
        <translation>Flying start. Start frequency of turbine rotation stopping</translation>
    </message>
    <message>
        <source>Автоадаптация. Измерительный ток автонастройки</source>
        <translation>Auto-adaptation. Auto-tuning measuring current</translation>
    </message>
    <message>
        <source>Автоадаптация. Измерительное напряж. автонастройки</source>
        <translation>Auto-adaptation. Auto-tuning measuring voltage</translation>
    </message>
    <message>
        <source>Фаза выходного тока A</source>
        <translation>Output current phase A</translation>
    </message>
    <message>
        <source>Фаза тока</source>
        <translation>Current phase</translation>
    </message>
    <message>
        <source>Выходной ток ПЧ</source>
        <translation>VSD output current</translation>
    </message>
    <message>
        <source>Порог ограничителя по действующему току</source>
        <translation>RMS current limiter threshold</translation>
    </message>
    <message>
        <source>Делитель частоты работы ограничителя тока</source>
        <translation>Current limiter frequency divider</translation>
    </message>
    <message>
        <source>Угол фиксации вектора в режиме OVERPWM2</source>
        <translation>Vector hold angle in OVERPWM2 mode</translation>
    </message>
    <message>
        <source>Постоянная времени режима OVERPWM</source>
        <translation>OVERPWM mode time constant</translation>
    </message>
    <message>
        <source>Напряжение подхвата</source>
        <translation>Flying start voltage</translation>
    </message>
    <message>
        <source>Номинальный ток ЧРП</source>
        <translation>VSD rated current</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ЧРП</source>
        <translation>VSD overload time constant</translation>
    </message>
    <message>
        <source>Масштаб измерения напряжения</source>
        <translation>Voltage measurement scale</translation>
    </message>
    <message>
        <source>Масштаб измерения тока</source>
        <translation>Current measurement scale</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 1</source>
        <translation>Driver 1 phase 0 temperature delta</translation>
    </message>
    <message>
        <source>Чувствительность ограничителя по току</source>
        <translation>Current limiter sensitivity</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП3</source>
        <translation>VSD status word 3</translation>
    </message>
    <message>
        <source>Время разгона до номинал. частоты</source>
        <translation>Acceleration time to rated frequency</translation>
    </message>
    <message>
        <source>Время торм. с номинал. частоты</source>
        <translation>Deceleration time from rated frequency</translation>
    </message>
    <message>
        <source>Сопротивление статора</source>
        <translation>Stator resistance</translation>
    </message>
    <message>
        <source>U7</source>
        <translation>U7</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Подавление резонанса</source>
        <translation>Resonance suppression</translation>
    </message>
    <message>
        <source>Постоянная времени системы подавления резонанса</source>
        <translation>Resonance suppression time constant</translation>
    </message>
    <message>
        <source>Минимальный ток при низкой скорости</source>
        <translation>Minimum current at low speed</translation>
    </message>
    <message>
        <source>Режим пуска вентильного двигателя</source>
        <translation>PM motor start mode</translation>
    </message>
    <message>
        <source>Функция при остановке</source>
        <translation>Function at stop</translation>
    </message>
    <message>
        <source>Длительность действия тока (2-07)</source>
        <translation>Current duration (2-07)</translation>
    </message>
    <message>
        <source>Ограничение момента</source>
        <translation>Torque limit</translation>
    </message>
    <message>
        <source>Предел тока двигателя (4-18)</source>
        <translation>Motor current limit (4-18)</translation>
    </message>
    <message>
        <source>Минимальная скорость</source>
        <translation>Minimum speed</translation>
    </message>
    <message>
        <source>Частота ШИМ</source>
        <translation>PWM frequency</translation>
    </message>
    <message>
        <source>Сверхмодуляция</source>
        <translation>Overmodulation</translation>
    </message>
    <message>
        <source>Минимальное напряжение DC</source>
        <translation>Minimum DC voltage</translation>
    </message>
    <message>
        <source>Режим сброса</source>
        <translation>Reset mode</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ПЧ</source>
        <translation>VSD overload time constant</translation>
    </message>
    <message>
        <source>Задержка перед выключение при пределе моменте</source>
        <translation>Trip delay at the torque limit</translation>
    </message>
    <message>
        <source>Время фильтра регулятора предела по току</source>
        <translation>Current limit controller filter time</translation>
    </message>
    <message>
        <source>Компенсация напряжения постоянного тока</source>
        <translation>DC voltage compensation</translation>
    </message>
    <message>
        <source>Управление вентилятором</source>
        <translation>Fan control</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 1</source>
        <translation>Driver 1 phase 0 T1</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 1</source>
        <translation>Driver 1 phase 0 T2</translation>
    </message>
    <message>
        <source>Tемпер. igbt 1</source>
        <translation>IGBT temp. 1</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 1</source>
        <translation>Driver 1 phase 0 T3</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 1</source>
        <translation>Driver 1 phase 0 T4</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 1</source>
        <translation>Driver 1 phase 1 T1</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 1</source>
        <translation>Driver 1 phase 1 T2</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 1</source>
        <translation>Driver 1 phase 1 T3</translation>
    </message>
    <message>
        <source>Время применения высокого пускового момента</source>
        <translation>High starting torque time</translation>
    </message>
    <message>
        <source>Пусковой ток в % от номинального</source>
        <translation>Starting current in % of rated</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uab</source>
        <translation>Voltage correction coef. Uab</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Ubс</source>
        <translation>Voltage correction coef. Ubc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uca</source>
        <translation>Voltage correction coef. Uca</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Udc</source>
        <translation>Voltage correction coef. Udc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.тока Idc</source>
        <translation>Current correction coef. Idc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.показ.напряж.Uвых</source>
        <translation>Shown voltage correction coef. Uout</translation>
    </message>
    <message>
        <source>Омическое сопротивление фазы</source>
        <translation>Phase ohmic resistance</translation>
    </message>
    <message>
        <source>Нижний предел регулирования для ВД</source>
        <translation>Lower control limit for PM motor</translation>
    </message>
    <message>
        <source>Верхний предел регулирования для ВД</source>
        <translation>Upper control limit for PM motor</translation>
    </message>
    <message>
        <source>Максимальный угол положения ротора для ВД</source>
        <translation>Maximum rotor position angle for PM motor</translation>
    </message>
    <message>
        <source>Стабилизация выходного напряжения</source>
        <translation>Output voltage stabilisation</translation>
    </message>
    <message>
        <source>Сдвиг контроллера</source>
        <translation>Controller shift</translation>
    </message>
    <message>
        <source>Сдвиг ТМПН</source>
        <translation>SUT shift</translation>
    </message>
    <message>
        <source>Тип торможения</source>
        <translation>Braking type</translation>
    </message>
    <message>
        <source>Максимальная доб. верхнего предела для ВД</source>
        <translation>Maximum upper limit addition for PM motor</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП4</source>
        <translation>VSD status word 4</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uab</source>
        <translation>Input line voltage Uab</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Ubc</source>
        <translation>Input line voltage Ubc</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uca</source>
        <translation>Input line voltage Uca</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iu</source>
        <translation>Current correction coef. Iu</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iv</source>
        <translation>Current correction coef. Iv</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iw</source>
        <translation>Current correction coef. Iw</translation>
    </message>
    <message>
        <source>Температура выходного фильтра</source>
        <translation>Output filter temperature</translation>
    </message>
    <message>
        <source>Температура выходного фильтра 2</source>
        <translation>Output filter temperature 2</translation>
    </message>
    <message>
        <source>Источник U/f</source>
        <translation>U/f source</translation>
    </message>
    <message>
        <source>Сопротивление изоляции</source>
        <translation>Insulation resistance</translation>
    </message>
    <message>
        <source>Температура пласта</source>
        <translation>Formation temperature</translation>
    </message>
    <message>
        <source>Коэф.МТЗ мотор</source>
        <translation>Motor overcurrent protection coef.</translation>
    </message>
    <message>
        <source>Максимально допустимое отклонение частоты векторного режима</source>
        <translation>Maximum frequency deviation in vector mode</translation>
    </message>
    <message>
        <source>Интегральный коэффициент подавления резонанса</source>
        <translation>Resonance suppression integral gain</translation>
    </message>
    <message>
        <source>Вых. Мгновенная мощность</source>
        <translation>Output instantaneous power</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>I3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>I4</source>
        <translation>I4</translation>
    </message>
    <message>
        <source>I5</source>
        <translation>I5</translation>
    </message>
    <message>
        <source>I6</source>
        <translation>I6</translation>
    </message>
    <message>
        <source>I7</source>
        <translation>I7</translation>
    </message>
    <message>
        <source>Режим модуляции</source>
        <translation>Modulation mode</translation>
    </message>
    <message>
        <source>Тип подавления резонанса</source>
        <translation>Resonance suppression type</translation>
    </message>
    <message>
        <source>Т1 тиристора драйвера 0</source>
        <translation>Driver 0 thyristor T1</translation>
    </message>
    <message>
        <source>Т2 тиристора драйвера 0</source>
        <translation>Driver 0 thyristor T2</translation>
    </message>
    <message>
        <source>Т1 платы измерений</source>
        <translation>Measuring board T1</translation>
    </message>
    <message>
        <source>Т2 платы измерений</source>
        <translation>Measuring board T2</translation>
    </message>
    <message>
        <source>Т3 платы измерений</source>
        <translation>Measuring board T3</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 0</source>
        <translation>Driver 0 air T</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 0</source>
        <translation>Driver 0 phase 0 T1</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 1</source>
        <translation>Driver 1 air T</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 0</source>
        <translation>Driver 0 phase 1 T1</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 1</source>
        <translation>Driver 1 phase 1 temperature delta</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 0</source>
        <translation>Driver 0 phase 2 T1</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 0</source>
        <translation>Driver 0 phase 0 T2</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 0</source>
        <translation>Driver 0 phase 1 T2</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 0</source>
        <translation>Driver 0 phase 2 T2</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 0</source>
        <translation>Driver 0 phase 0 T3</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 0</source>
        <translation>Driver 0 phase 1 T3</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 0</source>
        <translation>Driver 0 phase 2 T3</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 0</source>
        <translation>Driver 0 phase 0 T4</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 0</source>
        <translation>Driver 0 phase 1 T4</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 0</source>
        <translation>Driver 0 phase 2 T4</translation>
    </message>
    <message>
        <source>Текущий коэффициент регулирования</source>
        <translation>Present control coefficient</translation>
    </message>
    <message>
        <source>Текущий угол дельта тета положения ротора</source>
        <translation>Present rotor position delta theta angle</translation>
    </message>
    <message>
        <source>Тепловая защита IGBT</source>
        <translation>IGBT thermal protection</translation>
    </message>
    <message>
        <source>Тепловая защита отсека электроники</source>
        <translation>Electronics compartment thermal protection</translation>
    </message>
    <message>
        <source>Режим работы термодатчиков</source>
        <translation>Temperature sensor mode</translation>
    </message>
    <message>
        <source>Мониторы питания</source>
        <translation>Power monitors</translation>
    </message>
    <message>
        <source>Пусковое напряжение</source>
        <translation>Starting voltage</translation>
    </message>
    <message>
        <source>Макс. время токоограничения</source>
        <translation>Max. current limiting time</translation>
    </message>
    <message>
        <source>Действующий ток фазы</source>
        <translation>RMS phase current</translation>
    </message>
    <message>
        <source>Коэффициент нормиров. хар-ки</source>
        <translation>Curve normalisation coefficient</translation>
    </message>
    <message>
        <source>Среднее значение вх. Напряжения</source>
        <translation>Mean input voltage</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 1</source>
        <translation>Driver 1 phase 1 T4</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 1</source>
        <translation>Driver 1 phase 2 T1</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 1</source>
        <translation>Driver 1 phase 2 T2</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 1</source>
        <translation>Driver 1 phase 2 T3</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 1</source>
        <translation>Driver 1 phase 2 T4</translation>
    </message>
    <message>
        <source>Добавка уровня токоограничения</source>
        <translation>Current limit level addition</translation>
    </message>
    <message>
        <source>Суммарное выходное сопротивление</source>
        <translation>Total output resistance</translation>
    </message>
    <message>
        <source>Индуктивность на выходе СУ</source>
        <translation>Inductance at the station output</translation>
    </message>
    <message>
        <source>Уставка перегрузки по току ЧРП</source>
        <translation>VSD current overload setpoint</translation>
    </message>
    <message>
        <source>Синхронизация с сетью</source>
        <translation>Synchronisation with the supply</translation>
    </message>
    <message>
        <source>Команда перехода с режима на режим</source>
        <translation>Mode transition command</translation>
    </message>
    <message>
        <source>Состояние перехода</source>
        <translation>Transition state</translation>
    </message>
    <message>
        <source>Коэффициент коррекции Riz</source>
        <translation>Riz correction coefficient</translation>
    </message>
    <message>
        <source>Максимальный ток ЧРП</source>
        <translation>VSD maximum current</translation>
    </message>
    <message>
        <source>Пусковой ток</source>
        <translation>Starting current</translation>
    </message>
    <message>
        <source>Коэфф. трансформации трансформаторов выходного тока</source>
        <translation>Output current transformer ratio</translation>
    </message>
    <message>
        <source>Т4 платы измерений</source>
        <translation>Measuring board T4</translation>
    </message>
    <message>
        <source>Снижение частоты</source>
        <translation>Frequency reduction</translation>
    </message>
    <message>
        <source>Смещение угла расчета Id конечное</source>
        <translation>Id calculation angle offset, final</translation>
    </message>
    <message>
        <source>Стартовый угол в режиме регулятора угла</source>
        <translation>Start angle in angle control mode</translation>
    </message>
    <message>
        <source>Коэффициент демпфирования</source>
        <translation>Damping coefficient</translation>
    </message>
    <message>
        <source>Текущее значение тока Id</source>
        <translation>Present Id current</translation>
    </message>
    <message>
        <source>Тип векторного управления</source>
        <translation>Vector control type</translation>
    </message>
    <message>
        <source>Пусковой коэффициент</source>
        <translation>Start coefficient</translation>
    </message>
    <message>
        <source>Время старта</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>Косинус срыва синхронизации</source>
        <translation>Loss of synchronism cosine</translation>
    </message>
    <message>
        <source>Контроль срыва синхронизации по косинусу</source>
        <translation>Loss of synchronism check by cosine</translation>
    </message>
    <message>
        <source>Пусковое время для контроля срыва синхронизации по косинусу</source>
        <translation>Bypass delay of the loss of synchronism check by cosine</translation>
    </message>
    <message>
        <source>Стартовый ток ВД</source>
        <translation>PM motor start current</translation>
    </message>
    <message>
        <source>Температура прогрева</source>
        <translation>Warm-up temperature</translation>
    </message>
    <message>
        <source>Температура включения обдува реактора</source>
        <translation>Reactor blower on temperature</translation>
    </message>
    <message>
        <source>Положение датчика тока</source>
        <translation>Current sensor position</translation>
    </message>
    <message>
        <source>Просадка напряжения DC до нуля</source>
        <translation>DC voltage dip to zero</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 0</source>
        <translation>Driver 0 phase 0 temperature delta</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 0</source>
        <translation>Driver 0 phase 1 temperature delta</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 0</source>
        <translation>Driver 0 phase 2 temperature delta</translation>
    </message>
    <message>
        <source>Регистр управления прокси</source>
        <translation>Proxy control register</translation>
    </message>
    <message>
        <source>Блокировка двери Отключение питания</source>
        <translation>Door lock power off</translation>
    </message>
    <message>
        <source>Индуктивность для расчетов</source>
        <translation>Inductance for calculations</translation>
    </message>
    <message>
        <source>Нормирование времени</source>
        <translation>Time normalisation</translation>
    </message>
    <message>
        <source>Регистр управления proxy</source>
        <translation>Proxy control register</translation>
    </message>
    <message>
        <source>Скорость порта ЧРП</source>
        <translation>VSD port speed</translation>
    </message>
    <message>
        <source>Уровень рассогласования тока в ветвях фаз</source>
        <translation>Phase branch current mismatch level</translation>
    </message>
    <message>
        <source>Гармонический анализ</source>
        <translation>Harmonic analysis</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на низкой скорости</source>
        <translation>Load compensation at low speed</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на высокой скорости</source>
        <translation>Load compensation at high speed</translation>
    </message>
    <message>
        <source>Коэффициент трансформации входных токов</source>
        <translation>Input current transformer ratio</translation>
    </message>
    <message>
        <source>Смещение угла расчёта Id начальное</source>
        <translation>Id calculation angle offset, initial</translation>
    </message>
    <message>
        <source>Температура входного фильтра или фильтра DC</source>
        <translation>Input filter or DC filter temperature</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 1</source>
        <translation>Driver 1 phase 2 temperature delta</translation>
    </message>
    <message>
        <source>Управление ШИМ при просадках</source>
        <translation>PWM control at voltage dips</translation>
    </message>
    <message>
        <source>P на приёме</source>
        <translation>Intake P</translation>
    </message>
    <message>
        <source>Т обм. двиг.</source>
        <translation>Motor winding T</translation>
    </message>
    <message>
        <source>Т на приёме</source>
        <translation>Intake T</translation>
    </message>
    <message>
        <source>Gx двигателя</source>
        <translation>Motor Gx</translation>
    </message>
    <message>
        <source>Gy двигателя</source>
        <translation>Motor Gy</translation>
    </message>
    <message>
        <source>Gz двигателя</source>
        <translation>Motor Gz</translation>
    </message>
    <message>
        <source>Р на выкиде</source>
        <translation>Discharge P</translation>
    </message>
    <message>
        <source>Т на выкиде</source>
        <translation>Discharge T</translation>
    </message>
    <message>
        <source>Q на выкиде</source>
        <translation>Discharge Q</translation>
    </message>
    <message>
        <source>Gху двигателя</source>
        <translation>Motor Gxy</translation>
    </message>
    <message>
        <source>Gхуz двигателя</source>
        <translation>Motor Gxyz</translation>
    </message>
    <message>
        <source>Макс.Рвх</source>
        <translation>Max. Pin</translation>
    </message>
    <message>
        <source>Максимальная температура обмотки</source>
        <translation>Maximum winding temperature</translation>
    </message>
    <message>
        <source>Максимальная температура на приёме</source>
        <translation>Maximum intake temperature</translation>
    </message>
    <message>
        <source>Максимальное ускорение</source>
        <translation>Maximum acceleration</translation>
    </message>
    <message>
        <source>Отказ связи ТМСП</source>
        <translation>Downhole unit link failure</translation>
    </message>
    <message>
        <source>Код изготовителя ТМСП</source>
        <translation>Downhole unit manufacturer code</translation>
    </message>
    <message>
        <source>Серийный номер ТМСП</source>
        <translation>Downhole unit serial No.</translation>
    </message>
    <message>
        <source>Дата изготовления ТМСП</source>
        <translation>Downhole unit mfg. date</translation>
    </message>
    <message>
        <source>Код конструкции ТМСП</source>
        <translation>Downhole unit design code</translation>
    </message>
    <message>
        <source>Код протокола ТМСП</source>
        <translation>Downhole unit protocol code</translation>
    </message>
    <message>
        <source>Состав датчиков ТМСП</source>
        <translation>Downhole unit sensor set</translation>
    </message>
    <message>
        <source>ПО ТМСП</source>
        <translation>Downhole unit software</translation>
    </message>
    <message>
        <source>Длительность периода передачи одного бита</source>
        <translation>Bit period duration</translation>
    </message>
    <message>
        <source>Код завода изготовителя ТМСН</source>
        <translation>Surface unit manufacturer code</translation>
    </message>
    <message>
        <source>Заводской номер ТМСН</source>
        <translation>Surface unit serial No.</translation>
    </message>
    <message>
        <source>Дата изготовления ТМСН</source>
        <translation>Surface unit mfg. date</translation>
    </message>
    <message>
        <source>Код конструкции ТМСН</source>
        <translation>Surface unit design code</translation>
    </message>
    <message>
        <source>ПО ТМСН</source>
        <translation>Surface unit software</translation>
    </message>
    <message>
        <source>Код протокола ТМСН</source>
        <translation>Surface unit protocol code</translation>
    </message>
    <message>
        <source>Минимальный расход на выкиде</source>
        <translation>Minimum discharge flow</translation>
    </message>
    <message>
        <source>Максимальный расход на выкиде</source>
        <translation>Maximum discharge flow</translation>
    </message>
    <message>
        <source>Максимальное давление на выкиде</source>
        <translation>Maximum discharge pressure</translation>
    </message>
    <message>
        <source>Максимальная температура на выкиде</source>
        <translation>Maximum discharge temperature</translation>
    </message>
    <message>
        <source>Время измерения сопротивления изоляции</source>
        <translation>Insulation resistance measuring time</translation>
    </message>
    <message>
        <source>Время измерения данных и передачи</source>
        <translation>Data measuring and transmission time</translation>
    </message>
    <message>
        <source>Время перехода в режим измерения сопротивления изоляции</source>
        <translation>Time to enter insulation resistance measuring</translation>
    </message>
    <message>
        <source>Номер скважины</source>
        <translation>Well number</translation>
    </message>
    <message>
        <source>Номер куста</source>
        <translation>Cluster number</translation>
    </message>
    <message>
        <source>Номер ЦДНГ</source>
        <translation>Production shop number</translation>
    </message>
    <message>
        <source>Адрес Modbus</source>
        <translation>Modbus address</translation>
    </message>
    <message>
        <source>Скорость Modbus</source>
        <translation>Modbus baud rate</translation>
    </message>
    <message>
        <source>Количество Стоп-бит</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>Текущее дата время</source>
        <translation>Present date and time</translation>
    </message>
    <message>
        <source>Команда чтения статических параметров</source>
        <translation>Read static parameters command</translation>
    </message>
    <message>
        <source>Количество ошибок от ТМСП</source>
        <translation>Downhole unit error count</translation>
    </message>
    <message>
        <source>Т масла двиг.</source>
        <translation>Motor oil T</translation>
    </message>
    <message>
        <source>Сл.сост.ТМС</source>
        <translation>DHS status word</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП</source>
        <translation>Downhole unit status word</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП 2</source>
        <translation>Downhole unit status word 2</translation>
    </message>
    <message>
        <source>Зенитный угол двигателя</source>
        <translation>Motor inclination</translation>
    </message>
    <message>
        <source>Обводненность</source>
        <translation>Water cut</translation>
    </message>
    <message>
        <source>Vxy насоса</source>
        <translation>Pump Vxy</translation>
    </message>
    <message>
        <source>Vz насоса</source>
        <translation>Pump Vz</translation>
    </message>
    <message>
        <source>Зенитный угол насоса</source>
        <translation>Pump inclination</translation>
    </message>
    <message>
        <source>Vxy двигателя</source>
        <translation>Motor Vxy</translation>
    </message>
    <message>
        <source>Vz двигателя</source>
        <translation>Motor Vz</translation>
    </message>
    <message>
        <source>Ошибочные транзакции</source>
        <translation>Failed transactions</translation>
    </message>
    <message>
        <source>Удачные транзакции</source>
        <translation>Successful transactions</translation>
    </message>
    <message>
        <source>Счетчик последнего успешно принятого кадра</source>
        <translation>Last frame received counter</translation>
    </message>
    <message>
        <source>Время последнего пакета</source>
        <translation>Last packet time</translation>
    </message>
    <message>
        <source>Конфигурация погружного блока ТМС Электон</source>
        <translation>Elekton DHS downhole unit configuration</translation>
    </message>
    <message>
        <source>Сл.сост ТМСН</source>
        <translation>Surface unit status word</translation>
    </message>
    <message>
        <source>Тип датчика давления для ТМСН-2</source>
        <translation>Pressure sensor type for TMSN-2</translation>
    </message>
    <message>
        <source>Единицы измерения для давления ТМСН-3</source>
        <translation>Pressure units for TMSN-3</translation>
    </message>
    <message>
        <source>P на приёме точное</source>
        <translation>Intake P, precise</translation>
    </message>
    <message>
        <source>Статус загрузки</source>
        <translation>Load status</translation>
    </message>
    <message>
        <source>Тип погружного оборудования</source>
        <translation>Downhole equipment type</translation>
    </message>
    <message>
        <source>Актив. утечки</source>
        <translation>Active leakage</translation>
    </message>
    <message>
        <source>Пассив. утечки</source>
        <translation>Passive leakage</translation>
    </message>
    <message>
        <source>Cz</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Cf</source>
        <translation>Cf</translation>
    </message>
    <message>
        <source>Сброс PIC V2</source>
        <translation>PIC V2 reset</translation>
    </message>
    <message>
        <source>Сброс пассивных утечек тока</source>
        <translation>Passive leakage current reset</translation>
    </message>
    <message>
        <source>Время режима RSR</source>
        <translation>RSR mode time</translation>
    </message>
    <message>
        <source>Включение режима RSR</source>
        <translation>RSR mode on</translation>
    </message>
    <message>
        <source>Служебная информация</source>
        <translation>Service information</translation>
    </message>
    <message>
        <source>Тип кадра</source>
        <translation>Frame type</translation>
    </message>
    <message>
        <source>Время определения отказа связи с ТМСП</source>
        <translation>Downhole unit link failure detection time</translation>
    </message>
    <message>
        <source>Время сброса ТМСП</source>
        <translation>Downhole unit reset time</translation>
    </message>
    <message>
        <source>Сброс питания ТМСП</source>
        <translation>Downhole unit power reset</translation>
    </message>
    <message>
        <source>Vt</source>
        <translation>Vt</translation>
    </message>
    <message>
        <source>Счетчик потерянных кадров</source>
        <translation>Lost frames counter</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/ч</source>
        <translation>Accumulated flow, m³/h</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/сут</source>
        <translation>Accumulated flow, m³/d</translation>
    </message>
    <message>
        <source>Звезда</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>Проводимость</source>
        <translation>Conductivity</translation>
    </message>
    <message>
        <source>Задержка между запросами к ТМСН</source>
        <translation>Delay between surface unit requests</translation>
    </message>
    <message>
        <source>Общая активная энергия</source>
        <translation>Total active energy</translation>
    </message>
    <message>
        <source>Активная энергия за текущий день</source>
        <translation>Active energy, current day</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий день</source>
        <translation>Active energy, previous day</translation>
    </message>
    <message>
        <source>Активная энергия за текущий месяц</source>
        <translation>Active energy, current month</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий месяц</source>
        <translation>Active energy, previous month</translation>
    </message>
    <message>
        <source>Коэффициент трансформации тока</source>
        <translation>Current transformer ratio</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий год</source>
        <translation>Active energy, previous year</translation>
    </message>
    <message>
        <source>Активная энергия за текущий год</source>
        <translation>Active energy, current year</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>мкс</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>сс:мс</source>
        <translation>ss:ms</translation>
    </message>
    <message>
        <source>мин</source>
        <translation>min</translation>
    </message>
    <message>
        <source>мм:сс</source>
        <translation>mm:ss</translation>
    </message>
    <message>
        <source>ч</source>
        <translation>h</translation>
    </message>
    <message>
        <source>чч:мм</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>чч:мм:сс</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>кОм</source>
        <translation>kΩ</translation>
    </message>
    <message>
        <source>МОм</source>
        <translation>MΩ</translation>
    </message>
    <message>
        <source>мОм</source>
        <translation>mΩ</translation>
    </message>
    <message>
        <source>атм</source>
        <translation>atm</translation>
    </message>
    <message>
        <source>ат</source>
        <translation>at</translation>
    </message>
    <message>
        <source>бар</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>кПа</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>м/с2</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>мм/с2</source>
        <translation>mm/s²</translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation>m³/h</translation>
    </message>
    <message>
        <source>барр/сут</source>
        <translation>bbl/d</translation>
    </message>
    <message>
        <source>барр/ч</source>
        <translation>bbl/h</translation>
    </message>
    <message>
        <source>Л.С.</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>кг/см2</source>
        <translation>kgf/cm²</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>м3/сут</source>
        <translation>m³/d</translation>
    </message>
    <message>
        <source>Контактный манометр</source>
        <translation>Contact pressure gauge</translation>
    </message>
    <message>
        <source>Авария реле контроля фаз</source>
        <translation>Phase monitoring relay fault</translation>
    </message>
    <message>
        <source>Разрешение на запуск</source>
        <translation>Start permission</translation>
    </message>
    <message>
        <source>Аварийное отключение</source>
        <translation>Emergency shutdown</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>АПВ</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Однократно</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Постоянно</source>
        <translation>Always</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Масло</source>
        <translation>Oil</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation>VSD</translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation>DHS</translation>
    </message>
    <message>
        <source>УКИ</source>
        <translation>IMD</translation>
    </message>
    <message>
        <source>РВК</source>
        <translation>RVK</translation>
    </message>
    <message>
        <source>Минус</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Откл. пит.</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Валдрин</source>
        <translation>Valdrin</translation>
    </message>
    <message>
        <source>Эталон</source>
        <translation>Etalon</translation>
    </message>
    <message>
        <source>Асинхронный</source>
        <translation>Induction</translation>
    </message>
    <message>
        <source>Вентильный</source>
        <translation>Permanent magnet</translation>
    </message>
    <message>
        <source>Векторное</source>
        <translation>Vector</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Ток</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Прямая</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Обратная</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Поддержание</source>
        <translation>Maintain</translation>
    </message>
    <message>
        <source>Следование</source>
        <translation>Follow</translation>
    </message>
    <message>
        <source>1,0 кГц</source>
        <translation>1.0 kHz</translation>
    </message>
    <message>
        <source>1,5 кГц</source>
        <translation>1.5 kHz</translation>
    </message>
    <message>
        <source>2,0 кГц</source>
        <translation>2.0 kHz</translation>
    </message>
    <message>
        <source>2,5 кГц</source>
        <translation>2.5 kHz</translation>
    </message>
    <message>
        <source>3,0 кГц</source>
        <translation>3.0 kHz</translation>
    </message>
    <message>
        <source>3,5 кГц</source>
        <translation>3.5 kHz</translation>
    </message>
    <message>
        <source>4,0 кГц</source>
        <translation>4.0 kHz</translation>
    </message>
    <message>
        <source>5,0 кГц</source>
        <translation>5.0 kHz</translation>
    </message>
    <message>
        <source>6,0 кГц</source>
        <translation>6.0 kHz</translation>
    </message>
    <message>
        <source>7,0 кГц</source>
        <translation>7.0 kHz</translation>
    </message>
    <message>
        <source>8,0 кГц</source>
        <translation>8.0 kHz</translation>
    </message>
    <message>
        <source>9,0 кГц</source>
        <translation>9.0 kHz</translation>
    </message>
    <message>
        <source>12,0 кГц</source>
        <translation>12.0 kHz</translation>
    </message>
    <message>
        <source>14,0 кГц</source>
        <translation>14.0 kHz</translation>
    </message>
    <message>
        <source>16,0 кГц</source>
        <translation>16.0 kHz</translation>
    </message>
    <message>
        <source>Суммарная</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Раздельная</source>
        <translation>Separate</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Реверс</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Защита</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>Кнопка оператора</source>
        <translation>Operator button</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>4 - 20 мА</source>
        <translation>4 - 20 mA</translation>
    </message>
    <message>
        <source>0 - 4 В</source>
        <translation>0 - 4 V</translation>
    </message>
    <message>
        <source>Не выбран</source>
        <translation>Not selected</translation>
    </message>
    <message>
        <source>Виброскорость</source>
        <translation>Vibration velocity</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Алюминий</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Инд. сопр. фазы</source>
        <translation>Phase ind. reactance</translation>
    </message>
    <message>
        <source>Инд. по осям</source>
        <translation>Axis inductances</translation>
    </message>
    <message>
        <source>3000 Об/мин</source>
        <translation>3000 rpm</translation>
    </message>
    <message>
        <source>ВДМ</source>
        <translation>VDM</translation>
    </message>
    <message>
        <source>ВВД</source>
        <translation>VVD</translation>
    </message>
    <message>
        <source>500 Об/мин</source>
        <translation>500 rpm</translation>
    </message>
    <message>
        <source>1000 Об/мин</source>
        <translation>1000 rpm</translation>
    </message>
    <message>
        <source>3600 Об/мин</source>
        <translation>3600 rpm</translation>
    </message>
    <message>
        <source>6000 Об/мин</source>
        <translation>6000 rpm</translation>
    </message>
    <message>
        <source>8500 Об/мин</source>
        <translation>8500 rpm</translation>
    </message>
    <message>
        <source>12000 Об/мин</source>
        <translation>12000 rpm</translation>
    </message>
    <message>
        <source>СЭТ-4ТМ03</source>
        <translation>SET-4TM03</translation>
    </message>
    <message>
        <source>ГРАН СС-301-5.1</source>
        <translation>GRAN SS-301-5.1</translation>
    </message>
    <message>
        <source>ПСЧ-4ТМ</source>
        <translation>PSCh-4TM</translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Фазное</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Линейное</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>0 - 10 В</source>
        <translation>0 - 10 V</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>СУ готова к запуску</source>
        <translation>Station ready to start</translation>
    </message>
    <message>
        <source>Удалённое управление</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>Ручной/Авто</source>
        <translation>Manual/Auto</translation>
    </message>
    <message>
        <source>Регион 3.0</source>
        <translation>Region 3.0</translation>
    </message>
    <message>
        <source>Регион 2000</source>
        <translation>Region 2000</translation>
    </message>
    <message>
        <source>RUZEVA-ЗС</source>
        <translation>RUZEVA-ZS</translation>
    </message>
    <message>
        <source>Универсал 3</source>
        <translation>Universal 3</translation>
    </message>
    <message>
        <source>Прямое</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Обратное</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Плавный</source>
        <translation>Ramp</translation>
    </message>
    <message>
        <source>Выбегом</source>
        <translation>Coast</translation>
    </message>
    <message>
        <source>Линейная</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Квадратичная</source>
        <translation>Quadratic</translation>
    </message>
    <message>
        <source>Обр. квадр.</source>
        <translation>Inv. quadratic</translation>
    </message>
    <message>
        <source>По точкам</source>
        <translation>By points</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Мин.ток</source>
        <translation>Min. current</translation>
    </message>
    <message>
        <source>Основной</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Резервный</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>На входе</source>
        <translation>At the input</translation>
    </message>
    <message>
        <source>На выходе</source>
        <translation>At the output</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Чёт</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Нечёт</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>Потеряна</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Восстановлена</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>Останов</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Неизвестный</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Медь</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Индуктивность</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>Алмаз</source>
        <translation>Almaz</translation>
    </message>
    <message>
        <source>Борец СПТ</source>
        <translation>Borets SPT</translation>
    </message>
    <message>
        <source>Электон ТМСН</source>
        <translation>Elekton TMSN</translation>
    </message>
    <message>
        <source>ИРЗ</source>
        <translation>IRZ</translation>
    </message>
    <message>
        <source>Орион</source>
        <translation>Orion</translation>
    </message>
    <message>
        <source>Скад</source>
        <translation>Skad</translation>
    </message>
    <message>
        <source>Скан</source>
        <translation>Skan</translation>
    </message>
    <message>
        <source>Триол</source>
        <translation>Triol</translation>
    </message>
    <message>
        <source>СНГ</source>
        <translation>SNG</translation>
    </message>
    <message>
        <source>РН-Transfer</source>
        <translation>RN-Transfer</translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Недогруз двигателя</source>
        <translation>Motor underload</translation>
    </message>
    <message>
        <source>Перегруз двигателя</source>
        <translation>Motor overload</translation>
    </message>
    <message>
        <source>Снижение питания сети</source>
        <translation>Supply undervoltage</translation>
    </message>
    <message>
        <source>Превышение питания сети</source>
        <translation>Supply overvoltage</translation>
    </message>
    <message>
        <source>Перекос фаз сети</source>
        <translation>Supply phase imbalance</translation>
    </message>
    <message>
        <source>Взлом СУ</source>
        <translation>Station break-in</translation>
    </message>
    <message>
        <source>Таймер</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>ТМС. Нет связи</source>
        <translation>DHS. No link</translation>
    </message>
    <message>
        <source>Pmin на приёме насоса</source>
        <translation>Pump intake Pmin</translation>
    </message>
    <message>
        <source>Перегрев двигателя</source>
        <translation>Motor overheating</translation>
    </message>
    <message>
        <source>Pmax на приёме насоса</source>
        <translation>Pump intake Pmax</translation>
    </message>
    <message>
        <source>Превышение вибрации</source>
        <translation>Excessive vibration</translation>
    </message>
    <message>
        <source>Ток утечки</source>
        <translation>Leakage current</translation>
    </message>
    <message>
        <source>Аварийный стоп</source>
        <translation>Emergency stop</translation>
    </message>
    <message>
        <source>Ошибка параметров</source>
        <translation>Parameter error</translation>
    </message>
    <message>
        <source>Дисбаланс токов ПЭД</source>
        <translation>Motor current imbalance</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения</source>
        <translation>Voltage imbalance</translation>
    </message>
    <message>
        <source>Авария ЧРП</source>
        <translation>VSD fault</translation>
    </message>
    <message>
        <source>Перегрев ЧРП</source>
        <translation>VSD overheating</translation>
    </message>
    <message>
        <source>По программе</source>
        <translation>By program</translation>
    </message>
    <message>
        <source>Периодический режим</source>
        <translation>Periodic mode</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Макс.</source>
        <translation>AI 1 Max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Макс.</source>
        <translation>AI 2 Max.</translation>
    </message>
    <message>
        <source>Телеуправление</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>Обрыв фазы двигателя</source>
        <translation>Motor phase loss</translation>
    </message>
    <message>
        <source>Отключение питания сети</source>
        <translation>Disabling power supply</translation>
    </message>
    <message>
        <source>Заклинивание</source>
        <translation>Jamming</translation>
    </message>
    <message>
        <source>Сброс параметров</source>
        <translation>Parameter reset</translation>
    </message>
    <message>
        <source>Смена режима работы</source>
        <translation>Control mode change</translation>
    </message>
    <message>
        <source>Перегрев масла</source>
        <translation>Oil overheating</translation>
    </message>
    <message>
        <source>Низкое сопротивление изоляции</source>
        <translation>Low insulation resistance</translation>
    </message>
    <message>
        <source>Ошибка памяти</source>
        <translation>Memory error</translation>
    </message>
    <message>
        <source>Ошибка часов</source>
        <translation>Clock error</translation>
    </message>
    <message>
        <source>Счётчик. Нет связи</source>
        <translation>Meter. No link</translation>
    </message>
    <message>
        <source>Снижение частоты сети</source>
        <translation>Supply frequency too low</translation>
    </message>
    <message>
        <source>Превышение частоты сети</source>
        <translation>Supply frequency too high</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Мин.</source>
        <translation>AI 1 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Мин.</source>
        <translation>AI 2 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Мин.</source>
        <translation>AI 3 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Мин.</source>
        <translation>AI 4 Min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Макс.</source>
        <translation>AI 3 Max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Макс.</source>
        <translation>AI 4 Max.</translation>
    </message>
    <message>
        <source>Предел тока двигателя</source>
        <translation>Motor current limit</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД</source>
        <translation>PM motor out of sync</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП</source>
        <translation>VSD hardware protections</translation>
    </message>
    <message>
        <source>ЧРП. Нет связи</source>
        <translation>VSD. No link</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов</source>
        <translation>Input current imbalance</translation>
    </message>
    <message>
        <source>Перегрев трансформатора</source>
        <translation>Transformer overheating</translation>
    </message>
    <message>
        <source>Превышение числа пусков</source>
        <translation>Too many starts</translation>
    </message>
    <message>
        <source>Минимальный расход</source>
        <translation>Minimum flow</translation>
    </message>
    <message>
        <source>Pmax на выкиде насоса</source>
        <translation>Pump discharge Pmax</translation>
    </message>
    <message>
        <source>Перегрев фильтра</source>
        <translation>Filter overheating</translation>
    </message>
    <message>
        <source>Tmax на выкиде насоса</source>
        <translation>Pump discharge Tmax</translation>
    </message>
    <message>
        <source>Чередование фаз</source>
        <translation>Phase sequence</translation>
    </message>
    <message>
        <source>Обрыв датчика тока</source>
        <translation>Current sensor break</translation>
    </message>
    <message>
        <source>Низкое напряжение звена DC</source>
        <translation>Low DC link voltage</translation>
    </message>
    <message>
        <source>Высокое напряжение звена DC</source>
        <translation>High DC link voltage</translation>
    </message>
    <message>
        <source>Замыкание на землю</source>
        <translation>Ground fault</translation>
    </message>
    <message>
        <source>Перегрузка ЧРП</source>
        <translation>VSD overload</translation>
    </message>
    <message>
        <source>Перегрев радиатора</source>
        <translation>Heatsink overheating</translation>
    </message>
    <message>
        <source>Неисправность вентилятора</source>
        <translation>Fan failure</translation>
    </message>
    <message>
        <source>Авария ИБП</source>
        <translation>UPS fault</translation>
    </message>
    <message>
        <source>Открыта дверь</source>
        <translation>Door open</translation>
    </message>
    <message>
        <source>Турбинное вращение при пуске</source>
        <translation>Turbine rotation at start</translation>
    </message>
    <message>
        <source>Ошибка синхронизации</source>
        <translation>Synchronisation error</translation>
    </message>
    <message>
        <source>Неуспешный пуск</source>
        <translation>Failed start</translation>
    </message>
    <message>
        <source>Низкий уровень жидкости</source>
        <translation>Low fluid level</translation>
    </message>
    <message>
        <source>Газ на приёме насоса</source>
        <translation>Gas at the pump intake</translation>
    </message>
    <message>
        <source>Снижение дебита</source>
        <translation>Production drop</translation>
    </message>
    <message>
        <source>Потеря подачи</source>
        <translation>Loss of flow</translation>
    </message>
    <message>
        <source>Ошибка плавного пуска</source>
        <translation>Soft start error</translation>
    </message>
    <message>
        <source>Ошибка внешнего контроллера</source>
        <translation>External controller error</translation>
    </message>
    <message>
        <source>Байпас</source>
        <translation>Bypass</translation>
    </message>
    <message>
        <source>Внешний останов</source>
        <translation>External stop</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>Цифровой вход</source>
        <translation>Digital input</translation>
    </message>
    <message>
        <source>Включение питания</source>
        <translation>Power on</translation>
    </message>
    <message>
        <source>Восстановление питания сети</source>
        <translation>Supply power restored</translation>
    </message>
    <message>
        <source>Автоматический перезапуск</source>
        <translation>Automatic restart</translation>
    </message>
    <message>
        <source>Поддержание давления</source>
        <translation>Pressure maintenance</translation>
    </message>
    <message>
        <source>Встряхивание</source>
        <translation>Shaking</translation>
    </message>
    <message>
        <source>Раскачка</source>
        <translation>Rocking</translation>
    </message>
    <message>
        <source>Прокачка</source>
        <translation>Gas purge</translation>
    </message>
    <message>
        <source>АПВ после турбинного вращения</source>
        <translation>Restart after turbine rotation</translation>
    </message>
    <message>
        <source>АПВ по сопротивлению изоляции</source>
        <translation>Restart after insulation resistance</translation>
    </message>
    <message>
        <source>АПВ по недогрузу</source>
        <translation>Restart after underload</translation>
    </message>
    <message>
        <source>АПВ по перегрузу</source>
        <translation>Restart after overload</translation>
    </message>
    <message>
        <source>АПВ по напряжению</source>
        <translation>Restart after voltage</translation>
    </message>
    <message>
        <source>Смена направления вращения</source>
        <translation>Rotation direction change</translation>
    </message>
    <message>
        <source>АПВ по дисбалансу напряжения</source>
        <translation>Restart after voltage imbalance</translation>
    </message>
    <message>
        <source>АПВ после аварии ЧРП</source>
        <translation>Restart after VSD fault</translation>
    </message>
    <message>
        <source>АПВ по перегреву ЧРП</source>
        <translation>Restart after VSD overheating</translation>
    </message>
    <message>
        <source>Пуск по программе</source>
        <translation>Start by program</translation>
    </message>
    <message>
        <source>Пуск в периодическом режиме</source>
        <translation>Start in periodic mode</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 1 Макс.</source>
        <translation>Restart after AI 1 max.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 2 Макс.</source>
        <translation>Restart after AI 2 max.</translation>
    </message>
    <message>
        <source>Пуск по телеуправлению</source>
        <translation>Start by remote control</translation>
    </message>
    <message>
        <source>АПВ по обрыву фазы двигателя</source>
        <translation>Restart after motor phase loss</translation>
    </message>
    <message>
        <source>Пуск после отключения питания сети</source>
        <translation>Start after supply power loss</translation>
    </message>
    <message>
        <source>АПВ после заклинивания</source>
        <translation>Restart after jamming</translation>
    </message>
    <message>
        <source>Пуск после сброса параметров</source>
        <translation>Start after parameter reset</translation>
    </message>
    <message>
        <source>Пуск при смене режима работы</source>
        <translation>Start on control mode change</translation>
    </message>
    <message>
        <source>АПВ по перегреву масла</source>
        <translation>Restart after oil overheating</translation>
    </message>
    <message>
        <source>АПВ по низкому сопротивлению изоляции</source>
        <translation>Restart after low insulation resistance</translation>
    </message>
    <message>
        <source>Пуск после ошибки памяти</source>
        <translation>Start after memory error</translation>
    </message>
    <message>
        <source>Пуск после ошибки часов</source>
        <translation>Start after clock error</translation>
    </message>
    <message>
        <source>Пуск после восстановления связи со счётчиком</source>
        <translation>Start after the meter link is restored</translation>
    </message>
    <message>
        <source>АПВ по снижению частоты сети</source>
        <translation>Restart after supply frequency too low</translation>
    </message>
    <message>
        <source>АПВ по превышению частоты сети</source>
        <translation>Restart after supply frequency too high</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 1 Мин.</source>
        <translation>Restart after AI 1 min.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 2 Мин.</source>
        <translation>Restart after AI 2 min.</translation>
    </message>
    <message>
        <source>Пуск с сервисной программы</source>
        <translation>Start from the service program</translation>
    </message>
    <message>
        <source>Пуск с командной консоли</source>
        <translation>Start from the command console</translation>
    </message>
    <message>
        <source>Пуск после калибровки</source>
        <translation>Start after calibration</translation>
    </message>
    <message>
        <source>Отложенный пуск</source>
        <translation>Delayed start</translation>
    </message>
    <message>
        <source>Пуск после снятия блокировки</source>
        <translation>Start after unblocking</translation>
    </message>
    <message>
        <source>Пуск после перезагрузки ПО</source>
        <translation>Start after software restart</translation>
    </message>
    <message>
        <source>Пуск после загрузки конфигурации</source>
        <translation>Start after configuration loading</translation>
    </message>
    <message>
        <source>Пуск после автоадаптации</source>
        <translation>Start after auto-adaptation</translation>
    </message>
    <message>
        <source>Пуск после автонастройки</source>
        <translation>Start after auto-tuning</translation>
    </message>
    <message>
        <source>Пуск с подхватом</source>
        <translation>Flying start</translation>
    </message>
    <message>
        <source>Толчковый пуск</source>
        <translation>Pulse start</translation>
    </message>
    <message>
        <source>Пуск с раскачкой</source>
        <translation>Rocking start</translation>
    </message>
    <message>
        <source>Пуск с синхронизацией</source>
        <translation>Start with synchronisation</translation>
    </message>
    <message>
        <source>Пуск с пропуском резонансных частот</source>
        <translation>Start with resonance frequency skip</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом</source>
        <translation>High torque start</translation>
    </message>
    <message>
        <source>Плавный пуск</source>
        <translation>Soft start</translation>
    </message>
    <message>
        <source>Пуск по спецалгоритму</source>
        <translation>Start by special algorithm</translation>
    </message>
    <message>
        <source>Пуск в режиме чередования частот</source>
        <translation>Start in frequency alternation mode</translation>
    </message>
    <message>
        <source>Пуск в режиме ВНР</source>
        <translation>Start in kick-off mode</translation>
    </message>
    <message>
        <source>Пуск в режиме поддержания параметра</source>
        <translation>Start in parameter maintenance mode</translation>
    </message>
    <message>
        <source>Пуск в режиме оптимизации напряжения</source>
        <translation>Start in voltage optimisation mode</translation>
    </message>
    <message>
        <source>Пуск в режиме токоограничения</source>
        <translation>Start in current limiting mode</translation>
    </message>
    <message>
        <source>Пуск после встряхивания</source>
        <translation>Start after shaking</translation>
    </message>
    <message>
        <source>Пуск после прокачки газа</source>
        <translation>Start after gas purge</translation>
    </message>
    <message>
        <source>Пуск при работе от ИБП</source>
        <translation>Start on UPS power</translation>
    </message>
    <message>
        <source>Пуск после возврата питания с ИБП</source>
        <translation>Start after return from UPS power</translation>
    </message>
    <message>
        <source>Пуск после переключения байпаса</source>
        <translation>Start after bypass switching</translation>
    </message>
    <message>
        <source>Пуск после сброса аварии ЧРП</source>
        <translation>Start after VSD fault reset</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 1</source>
        <translation>Start by DI 1</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 2</source>
        <translation>Start by DI 2</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 3</source>
        <translation>Start by DI 3</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 4</source>
        <translation>Start by DI 4</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 5</source>
        <translation>Start by DI 5</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 6</source>
        <translation>Start by DI 6</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 7</source>
        <translation>Start by DI 7</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 8</source>
        <translation>Start by DI 8</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 9</source>
        <translation>Start by DI 9</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 10</source>
        <translation>Start by DI 10</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 11</source>
        <translation>Start by DI 11</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 12</source>
        <translation>Start by DI 12</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 13</source>
        <translation>Start by DI 13</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 14</source>
        <translation>Start by DI 14</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 15</source>
        <translation>Start by DI 15</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 16</source>
        <translation>Start by DI 16</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 17</source>
        <translation>Start by DI 17</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 18</source>
        <translation>Start by DI 18</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 19</source>
        <translation>Start by DI 19</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 20</source>
        <translation>Start by DI 20</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 21</source>
        <translation>Start by DI 21</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 22</source>
        <translation>Start by DI 22</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 23</source>
        <translation>Start by DI 23</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 24</source>
        <translation>Start by DI 24</translation>
    </message>
    <message>
        <source>Пуск по разрешению на запуск</source>
        <translation>Start by start permission</translation>
    </message>
    <message>
        <source>Пуск после аварийного останова</source>
        <translation>Start after emergency stop</translation>
    </message>
    <message>
        <source>Пуск после ошибки параметров</source>
        <translation>Start after parameter error</translation>
    </message>
    <message>
        <source>Пуск после смены направления вращения</source>
        <translation>Start after rotation direction change</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 3 Мин.</source>
        <translation>Restart after AI 3 min.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 4 Мин.</source>
        <translation>Restart after AI 4 min.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 3 Макс.</source>
        <translation>Restart after AI 3 max.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 4 Макс.</source>
        <translation>Restart after AI 4 max.</translation>
    </message>
    <message>
        <source>АПВ по пределу тока двигателя</source>
        <translation>Restart after motor current limit</translation>
    </message>
    <message>
        <source>АПВ по рассинхронизации ПВЭД</source>
        <translation>Restart after PM motor out of sync</translation>
    </message>
    <message>
        <source>АПВ по аппаратным защитам ЧРП</source>
        <translation>Restart after VSD hardware protections</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 1</source>
        <translation>Restart after DI 1</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 2</source>
        <translation>Restart after DI 2</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 3</source>
        <translation>Restart after DI 3</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 4</source>
        <translation>Restart after DI 4</translation>
    </message>
    <message>
        <source>Пуск после восстановления связи с ЧРП</source>
        <translation>Start after the VSD link is restored</translation>
    </message>
    <message>
        <source>АПВ по дисбалансу входных токов</source>
        <translation>Restart after input current imbalance</translation>
    </message>
    <message>
        <source>АПВ по перегреву трансформатора</source>
        <translation>Restart after transformer overheating</translation>
    </message>
    <message>
        <source>Пуск после блокировки по числу пусков</source>
        <translation>Start after the too many starts block</translation>
    </message>
    <message>
        <source>АПВ по минимальному расходу</source>
        <translation>Restart after minimum flow</translation>
    </message>
    <message>
        <source>АПВ по Pmax на выкиде насоса</source>
        <translation>Restart after pump discharge Pmax</translation>
    </message>
    <message>
        <source>АПВ по перегреву фильтра</source>
        <translation>Restart after filter overheating</translation>
    </message>
    <message>
        <source>АПВ по Tmax на выкиде насоса</source>
        <translation>Restart after pump discharge Tmax</translation>
    </message>
    <message>
        <source>Пуск после восстановления чередования фаз</source>
        <translation>Start after the phase sequence is restored</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 7</source>
        <translation>Restart after DI 7</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 8</source>
        <translation>Restart after DI 8</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 9</source>
        <translation>Restart after DI 9</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 10</source>
        <translation>Restart after DI 10</translation>
    </message>
    <message>
        <source>Пуск после восстановления датчика тока</source>
        <translation>Start after the current sensor is restored</translation>
    </message>
    <message>
        <source>АПВ по низкому напряжению звена DC</source>
        <translation>Restart after low DC link voltage</translation>
    </message>
    <message>
        <source>АПВ по высокому напряжению звена DC</source>
        <translation>Restart after high DC link voltage</translation>
    </message>
    <message>
        <source>АПВ после замыкания на землю</source>
        <translation>Restart after ground fault</translation>
    </message>
    <message>
        <source>АПВ по перегрузке ЧРП</source>
        <translation>Restart after VSD overload</translation>
    </message>
    <message>
        <source>АПВ по перегреву радиатора</source>
        <translation>Restart after heatsink overheating</translation>
    </message>
    <message>
        <source>Пуск после ремонта вентилятора</source>
        <translation>Start after fan repair</translation>
    </message>
    <message>
        <source>Пуск после аварии ИБП</source>
        <translation>Start after UPS fault</translation>
    </message>
    <message>
        <source>Пуск после закрытия двери</source>
        <translation>Start after the door is closed</translation>
    </message>
    <message>
        <source>Пуск после окончания турбинного вращения</source>
        <translation>Start after turbine rotation ends</translation>
    </message>
    <message>
        <source>Повторный пуск после ошибки синхронизации</source>
        <translation>Repeated start after synchronisation error</translation>
    </message>
    <message>
        <source>Повторный пуск после неуспешного</source>
        <translation>Repeated start after a failed one</translation>
    </message>
    <message>
        <source>Пуск после накопления жидкости</source>
        <translation>Start after fluid accumulation</translation>
    </message>
    <message>
        <source>Пуск после удаления газа</source>
        <translation>Start after gas removal</translation>
    </message>
    <message>
        <source>АПВ по снижению дебита</source>
        <translation>Restart after production drop</translation>
    </message>
    <message>
        <source>АПВ по потере подачи</source>
        <translation>Restart after loss of flow</translation>
    </message>
    <message>
        <source>Повторный плавный пуск</source>
        <translation>Repeated soft start</translation>
    </message>
    <message>
        <source>Пуск от внешнего контроллера</source>
        <translation>Start by external controller</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 13</source>
        <translation>Restart after DI 13</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 14</source>
        <translation>Restart after DI 14</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 15</source>
        <translation>Restart after DI 15</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 16</source>
        <translation>Restart after DI 16</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 17</source>
        <translation>Restart after DI 17</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 18</source>
        <translation>Restart after DI 18</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 19</source>
        <translation>Restart after DI 19</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 20</source>
        <translation>Restart after DI 20</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 21</source>
        <translation>Restart after DI 21</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 22</source>
        <translation>Restart after DI 22</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 23</source>
        <translation>Restart after DI 23</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 24</source>
        <translation>Restart after DI 24</translation>
    </message>
    <message>
        <source>Пуск через байпас</source>
        <translation>Start via bypass</translation>
    </message>
    <message>
        <source>Пуск после внешнего останова</source>
        <translation>Start after external stop</translation>
    </message>
    <message>
        <source>Пуск после обновления ПО</source>
        <translation>Start after software update</translation>
    </message>
    <message>
        <source>Обычный</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Толчковый</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>С раскачкой</source>
        <translation>Rocking</translation>
    </message>
    <message>
        <source>С синхронизацией</source>
        <translation>With synchronisation</translation>
    </message>
    <message>
        <source>Подхват</source>
        <translation>Flying start</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот</source>
        <translation>Resonance frequency skip</translation>
    </message>
    <message>
        <source>С увеличенным моментом</source>
        <translation>High torque</translation>
    </message>
    <message>
        <source>Спецалгоритм</source>
        <translation>Special algorithm</translation>
    </message>
    <message>
        <source>Прямой</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Мягкий</source>
        <translation>Soft</translation>
    </message>
    <message>
        <source>Автоадаптация</source>
        <translation>Auto-adaptation</translation>
    </message>
    <message>
        <source>Перегрузка по току</source>
        <translation>Current overload</translation>
    </message>
    <message>
        <source>Короткое замыкание</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Перенапряжение звена DC</source>
        <translation>DC link overvoltage</translation>
    </message>
    <message>
        <source>Обрыв входной фазы</source>
        <translation>Input phase loss</translation>
    </message>
    <message>
        <source>Перегрузка инвертора</source>
        <translation>Inverter overload</translation>
    </message>
    <message>
        <source>Нет связи с платой управления</source>
        <translation>No link with the control board</translation>
    </message>
    <message>
        <source>Ошибка датчика тока</source>
        <translation>Current sensor error</translation>
    </message>
    <message>
        <source>Неисправность IGBT</source>
        <translation>IGBT failure</translation>
    </message>
    <message>
        <source>Внутренняя ошибка</source>
        <translation>Internal error</translation>
    </message>
    <message>
        <source>Предел тока</source>
        <translation>Current limit</translation>
    </message>
    <message>
        <source>Высокая температура радиатора</source>
        <translation>High heatsink temperature</translation>
    </message>
    <message>
        <source>Низкое напряжение сети</source>
        <translation>Low supply voltage</translation>
    </message>
    <message>
        <source>Высокое напряжение сети</source>
        <translation>High supply voltage</translation>
    </message>
    <message>
        <source>Предел момента</source>
        <translation>Torque limit</translation>
    </message>
    <message>
        <source>Дисбаланс входных фаз</source>
        <translation>Input phase imbalance</translation>
    </message>
    <message>
        <source>Высокая температура платы</source>
        <translation>High board temperature</translation>
    </message>
    <message>
        <source>Нет связи по резервному каналу</source>
        <translation>No link on the reserve channel</translation>
    </message>
    <message>
        <source>Неизвестный тип пуска</source>
        <translation>Unknown start type</translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation>Reset to Default</translation>
    </message>
    <message>
        <source>Защиты по аналоговым входам</source>
        <translation>Analog input protections</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС</source>
        <translation>DHS link loss</translation>
    </message>
    <message>
        <source>Защиты по цифровым входам</source>
        <translation>Digital input protections</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя</source>
        <translation>Motor current imbalance</translation>
    </message>
    <message>
        <source>Защита от открытия двери</source>
        <translation>Door opening protection</translation>
    </message>
    <message>
        <source>%1 %2 
 или 
 %3</source>
        <translation>%1 %2 
 or 
 %3</translation>
    </message>
    <message>
        <source>Для включения защиты включите: 
</source>
        <translation>To enable protection, enable: </translation>
    </message>
    <message>
        <source>Перегруз (ЗП)</source>
        <translation>Overload (OLP)</translation>
    </message>
    <message>
        <source>Защита от превышения числа пусков</source>
        <translation>Too many starts protection</translation>
    </message>
    <message>
        <source>Повышенное напряжение</source>
        <translation>Overvoltage</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса</source>
        <translation>Pump discharge pressure</translation>
    </message>
    <message>
        <source>Давление на приеме насоса</source>
        <translation>Pump intake pressure</translation>
    </message>
    <message>
        <source>Температура на приёме</source>
        <translation>Intake temperature</translation>
    </message>
    <message>
        <source>Температура двигателя</source>
        <translation>Motor temperature</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП)</source>
        <translation>Underload (ULP)</translation>
    </message>
    <message>
        <source>Пониженное напряжение</source>
        <translation>Undervoltage</translation>
    </message>
    <message>
        <source>Вибрация двигателя</source>
        <translation>Motor vibration</translation>
    </message>
    <message>
        <source>Защиты по ТМС</source>
        <translation>DHS protections</translation>
    </message>
    <message>
        <source>Давление на приёме насоса</source>
        <translation>Pump intake pressure</translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation>Protections</translation>
    </message>
    <message>
        <source>Защиты по сети</source>
        <translation>Supply protections</translation>
    </message>
    <message>
        <source>Защиты двигателя</source>
        <translation>Motor protections</translation>
    </message>
    <message>
        <source>Защиты прочие</source>
        <translation>Other protections</translation>
    </message>
    <message>
        <source>Защита открытия двери станции</source>
        <translation>Station door opening protection</translation>
    </message>
    <message>
        <source>Защита от потери связи с ЧРП</source>
        <translation>VSD link loss protection</translation>
    </message>
    <message>
        <source>Защита от перегрева фильтра</source>
        <translation>Filter overheat protection</translation>
    </message>
    <message>
        <source>ИзмПарам</source>
        <translation>Chg.Param</translation>
    </message>
    <message>
        <source>Сработала защита: ЧРП</source>
        <translation>Protection activated: VSD</translation>
    </message>
    <message>
        <source>Предупреждение: ЧРП</source>
        <translation>Warning: VSD</translation>
    </message>
    <message>
        <source>АПВ по защите</source>
        <translation>Restart protection</translation>
    </message>
    <message>
        <source>Пуск запрещён</source>
        <translation>Start denied</translation>
    </message>
    <message>
        <source>Блокировка по защите</source>
        <translation>Lock protection</translation>
    </message>
    <message>
        <source>Сработала защита</source>
        <translation>Protection activated</translation>
    </message>
    <message>
        <source>Блокировка двери</source>
        <translation>Door lock</translation>
    </message>
    <message>
        <source>Цифровой вход 1</source>
        <translation>Digital input 1</translation>
    </message>
    <message>
        <source>Цифровой вход 2</source>
        <translation>Digital input 2</translation>
    </message>
    <message>
        <source>Цифровой вход 3</source>
        <translation>Digital input 3</translation>
    </message>
    <message>
        <source>Цифровой вход 4</source>
        <translation>Digital input 4</translation>
    </message>
    <message>
        <source>Нет питания сети</source>
        <translation>No supply power</translation>
    </message>
    <message>
        <source>Цифровой вход 7</source>
        <translation>Digital input 7</translation>
    </message>
    <message>
        <source>Цифровой вход 8</source>
        <translation>Digital input 8</translation>
    </message>
    <message>
        <source>Цифровой вход 9</source>
        <translation>Digital input 9</translation>
    </message>
    <message>
        <source>Цифровой вход 10</source>
        <translation>Digital input 10</translation>
    </message>
    <message>
        <source>Перегруз двигателя (защита ЧРП)</source>
        <translation>Motor overload (VSD protection)</translation>
    </message>
    <message>
        <source>Пониженное напряжение (защита ЧРП)</source>
        <translation>Undervoltage (VSD protection)</translation>
    </message>
    <message>
        <source>Предел тока двигателя (защита ЧРП)</source>
        <translation>Motor current limit (VSD protection)</translation>
    </message>
    <message>
        <source>Повышенное напряжение (защита ЧРП)</source>
        <translation>Overvoltage (VSD protection)</translation>
    </message>
    <message>
        <source>Низкое напряжение шины (защита ЧРП)</source>
        <translation>Low bus voltage (VSD protection)</translation>
    </message>
    <message>
        <source>Pmax критическое на приёме насоса</source>
        <translation>Critical pump intake Pmax</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД (защита ЧРП)</source>
        <translation>PM motor out of sync (VSD protection)</translation>
    </message>
    <message>
        <source>Отключение питания</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Перезагрузка ПО</source>
        <translation>Software restart</translation>
    </message>
    <message>
        <source>Турбинное вращение. Начало</source>
        <translation>Turbine rotation. Begin</translation>
    </message>
    <message>
        <source>Турбинное вращение. Окончание</source>
        <translation>Turbine rotation. End</translation>
    </message>
    <message>
        <source>Режим программного изменения частоты отключен</source>
        <translation>Programmed frequency change mode is off</translation>
    </message>
    <message>
        <source>Режим чередования частот отключен</source>
        <translation>Frequency alternation mode is off</translation>
    </message>
    <message>
        <source>Режим пуска толчками отключен</source>
        <translation>Pulse start mode is off</translation>
    </message>
    <message>
        <source>Режим пуска раскачкой отключен</source>
        <translation>Rocking start mode is off</translation>
    </message>
    <message>
        <source>Режим подхвата турбинного вращения отключен</source>
        <translation>Turbine rotation flying start mode is off</translation>
    </message>
    <message>
        <source>Режим автоадаптации отключен</source>
        <translation>Auto-adaptation mode is off</translation>
    </message>
    <message>
        <source>Подключение ТМС</source>
        <translation>DHS connected</translation>
    </message>
    <message>
        <source>Отключение ТМС</source>
        <translation>DHS disconnected</translation>
    </message>
    <message>
        <source>Подключение ЧРП</source>
        <translation>VSD connected</translation>
    </message>
    <message>
        <source>Отключение ЧРП</source>
        <translation>VSD disconnected</translation>
    </message>
    <message>
        <source>Подключение СЭ</source>
        <translation>Meter connected</translation>
    </message>
    <message>
        <source>Отключение СЭ</source>
        <translation>Meter disconnected</translation>
    </message>
    <message>
        <source>Выбрано наличие выходного фильтра</source>
        <translation>Output filter fitted</translation>
    </message>
    <message>
        <source>Выбрано отсутствие выходного фильтра</source>
        <translation>No output filter</translation>
    </message>
    <message>
        <source>Копирование архивов</source>
        <translation>Copying logs</translation>
    </message>
    <message>
        <source>Удаление архивов</source>
        <translation>Deleting logs</translation>
    </message>
    <message>
        <source>Удаление служебных архивов</source>
        <translation>Deleting debug logs</translation>
    </message>
    <message>
        <source>Запись аварийного архива</source>
        <translation>Emergency log recording</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 1</source>
        <translation>Signal at digital input 1</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 2</source>
        <translation>Signal at digital input 2</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 3</source>
        <translation>Signal at digital input 3</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 4</source>
        <translation>Signal at digital input 4</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 1</source>
        <translation>Protection activated: analog input 1 min. signal</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 2</source>
        <translation>Protection activated: analog input 2 min. signal</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 3</source>
        <translation>Protection activated: analog input 3 min. signal</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 4</source>
        <translation>Protection activated: analog input 4 min. signal</translation>
    </message>
    <message>
        <source>Сработала защита: Превышение числа пусков</source>
        <translation>Protection activated: too many starts</translation>
    </message>
    <message>
        <source>Режим работы: Ручной</source>
        <translation>Control mode: manual</translation>
    </message>
    <message>
        <source>Режим работы: Автоматический</source>
        <translation>Control mode: automatic</translation>
    </message>
    <message>
        <source>Режим работы: По программе</source>
        <translation>Control mode: by program</translation>
    </message>
    <message>
        <source>Режим встряхивания частота F1</source>
        <translation>Shaking mode frequency F1</translation>
    </message>
    <message>
        <source>Режим встряхивания частота F2</source>
        <translation>Shaking mode frequency F2</translation>
    </message>
    <message>
        <source>Запуск автоадаптации</source>
        <translation>Auto-adaptation start</translation>
    </message>
    <message>
        <source>Автоадаптация к ТМПН векторного управления успешно завершена. Подобранное сопротивление</source>
        <translation>Vector control auto-adaptation to the SUT completed. Resistance found</translation>
    </message>
    <message>
        <source>Автоадаптация к ТМПН векторного управления не завершена</source>
        <translation>Vector control auto-adaptation to the SUT not completed</translation>
    </message>
    <message>
        <source>Раскачка. Начало</source>
        <translation>Rocking start. Begin</translation>
    </message>
    <message>
        <source>Раскачка. Завершение</source>
        <translation>Rocking start. End</translation>
    </message>
    <message>
        <source>Толчковый. Начало</source>
        <translation>Pulse start. Begin</translation>
    </message>
    <message>
        <source>Толчковый. Завершение</source>
        <translation>Pulse start. End</translation>
    </message>
    <message>
        <source>Подхват. Начало</source>
        <translation>Flying start. Begin</translation>
    </message>
    <message>
        <source>Подхват. Завершение</source>
        <translation>Flying start. End</translation>
    </message>
    <message>
        <source>Пропуск F. Начало</source>
        <translation>F skip. Begin</translation>
    </message>
    <message>
        <source>Пропуск F. Завершение</source>
        <translation>F skip. End</translation>
    </message>
    <message>
        <source>Пропуск F. Ошибка</source>
        <translation>F skip. Error</translation>
    </message>
    <message>
        <source>Пропуск F. Прервано</source>
        <translation>F skip. Interrupted</translation>
    </message>
    <message>
        <source>Режим пропуска резонансных частот отключен</source>
        <translation>Resonance frequency skip mode is off</translation>
    </message>
    <message>
        <source>Синхронизация. Начало</source>
        <translation>Synchronisation. Begin</translation>
    </message>
    <message>
        <source>Синхронизация. Завершение</source>
        <translation>Synchronisation. End</translation>
    </message>
    <message>
        <source>Синхронизация. Ошибка</source>
        <translation>Synchronisation. Error</translation>
    </message>
    <message>
        <source>Режим пуска с синхронизацией отключен</source>
        <translation>Start with synchronisation mode is off</translation>
    </message>
    <message>
        <source>Толчковый. Ошибка задания параметра</source>
        <translation>Pulse start. Parameter setting error</translation>
    </message>
    <message>
        <source>Толчковый. Прервано</source>
        <translation>Pulse start. Interrupted</translation>
    </message>
    <message>
        <source>Раскачка. Ошибка</source>
        <translation>Rocking start. Error</translation>
    </message>
    <message>
        <source>Раскачка. Прервано</source>
        <translation>Rocking start. Interrupted</translation>
    </message>
    <message>
        <source>Выбрано наличие входного фильтра</source>
        <translation>Input filter fitted</translation>
    </message>
    <message>
        <source>Выбрано отсутствие входного фильтра</source>
        <translation>No input filter</translation>
    </message>
    <message>
        <source>Подхват. Ошибка</source>
        <translation>Flying start. Error</translation>
    </message>
    <message>
        <source>Подхват. Прервано</source>
        <translation>Flying start. Interrupted</translation>
    </message>
    <message>
        <source>Восстановление связи с ТМСП</source>
        <translation>Downhole unit link restored</translation>
    </message>
    <message>
        <source>Отказ связи с ТМСП</source>
        <translation>Downhole unit link failure</translation>
    </message>
    <message>
        <source>Датчик давления на приёме насоса в норме</source>
        <translation>Pump intake pressure sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика давления на приёме насоса</source>
        <translation>Pump intake pressure sensor failure</translation>
    </message>
    <message>
        <source>Датчик температуры на приеме насоса в норме</source>
        <translation>Pump intake temperature sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика температуры на приеме насоса</source>
        <translation>Pump intake temperature sensor failure</translation>
    </message>
    <message>
        <source>Датчик температуры обмотки ПЭД в норме</source>
        <translation>Motor winding temperature sensor OK</translation>
    </message>
    <message>
        <source>Температура обмотки ПЭД. Отказ датчика</source>
        <translation>Motor winding temperature. Sensor failure</translation>
    </message>
    <message>
        <source>Датчик температуры масла ПЭД в норме</source>
        <translation>Motor oil temperature sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика температуры масла ПЭД</source>
        <translation>Motor oil temperature sensor failure</translation>
    </message>
    <message>
        <source>Датчик вибрации по оси X в норме</source>
        <translation>X-axis vibration sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси X</source>
        <translation>X-axis vibration sensor failure</translation>
    </message>
    <message>
        <source>Датчик вибрации по оси Y в норме</source>
        <translation>Y-axis vibration sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси Y</source>
        <translation>Y-axis vibration sensor failure</translation>
    </message>
    <message>
        <source>Датчик вибрации по оси Z в норме</source>
        <translation>Z-axis vibration sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси Z</source>
        <translation>Z-axis vibration sensor failure</translation>
    </message>
    <message>
        <source>Датчик давления на выкиде насоса в НКТ в норме</source>
        <translation>Pump discharge pressure sensor in the tubing OK</translation>
    </message>
    <message>
        <source>Отказ датчика давления на выкиде насоса в НКТ</source>
        <translation>Pump discharge pressure sensor in the tubing failure</translation>
    </message>
    <message>
        <source>Датчик давления на выкиде насоса, затрубное в норме</source>
        <translation>Pump discharge pressure sensor, annulus, OK</translation>
    </message>
    <message>
        <source>Отказ датчика давления на выкиде насоса, затрубное</source>
        <translation>Pump discharge pressure sensor, annulus, failure</translation>
    </message>
    <message>
        <source>Датчик температуры на выкиде насоса в норме</source>
        <translation>Pump discharge temperature sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика температуры на выкиде насоса</source>
        <translation>Pump discharge temperature sensor failure</translation>
    </message>
    <message>
        <source>Датчик расхода жидкости на выкиде насоса в норме</source>
        <translation>Pump discharge flow sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика расхода жидкости на выкиде насоса</source>
        <translation>Pump discharge flow sensor failure</translation>
    </message>
    <message>
        <source>Датчик обводненности в норме</source>
        <translation>Water cut sensor OK</translation>
    </message>
    <message>
        <source>Отказ датчика обводненности</source>
        <translation>Water cut sensor failure</translation>
    </message>
    <message>
        <source>Прямой пуск. Начало</source>
        <translation>Direct start. Begin</translation>
    </message>
    <message>
        <source>Прямой пуск. Завершение</source>
        <translation>Direct start. End</translation>
    </message>
    <message>
        <source>Прямой пуск. Ошибка</source>
        <translation>Direct start. Error</translation>
    </message>
    <message>
        <source>Прямой пуск. Отключён</source>
        <translation>Direct start. Off</translation>
    </message>
    <message>
        <source>Выбрано наличие байпасных контакторов</source>
        <translation>Bypass contactors fitted</translation>
    </message>
    <message>
        <source>Выбрано отсутствие байпасных контакторов</source>
        <translation>No bypass contactors</translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль</source>
        <translation>Saving setpoints to the profile</translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля</source>
        <translation>Loading setpoints from the profile</translation>
    </message>
    <message>
        <source>Сохранение конфигурации на USB накопитель</source>
        <translation>Saving the configuration to a USB drive</translation>
    </message>
    <message>
        <source>Загрузка конфигурации c USB накопителя</source>
        <translation>Loading the configuration from a USB drive</translation>
    </message>
    <message>
        <source>Сброс счётчиков</source>
        <translation>Counters reset</translation>
    </message>
    <message>
        <source>Сброс уставок ЧРП</source>
        <translation>VSD setpoints reset</translation>
    </message>
    <message>
        <source>ТМС. Сброс счётчиков качества связи</source>
        <translation>DHS. Link quality counters reset</translation>
    </message>
    <message>
        <source>ЧРП. Сброс счётчиков качества связи</source>
        <translation>VSD. Link quality counters reset</translation>
    </message>
    <message>
        <source>СЭ. Сброс счётчиков качества связи</source>
        <translation>Meter. Link quality counters reset</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 1</source>
        <translation>Protection activated: analog input 1 max. signal</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 2</source>
        <translation>Protection activated: analog input 2 max. signal</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 3</source>
        <translation>Protection activated: analog input 3 max. signal</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 4</source>
        <translation>Protection activated: analog input 4 max. signal</translation>
    </message>
    <message>
        <source>Пркч. F1</source>
        <translation>Gas purge F1</translation>
    </message>
    <message>
        <source>Пркч. F2</source>
        <translation>Gas purge F2</translation>
    </message>
    <message>
        <source>Пркч. Начало цикла</source>
        <translation>Gas purge cycle start</translation>
    </message>
    <message>
        <source>Работа от ИБП</source>
        <translation>Running on UPS</translation>
    </message>
    <message>
        <source>Оптимизация напряжения</source>
        <translation>Voltage optimisation</translation>
    </message>
    <message>
        <source>Оптимизация напряжения завершена</source>
        <translation>Voltage optimisation completed</translation>
    </message>
    <message>
        <source>Оптимизация напряжения возврат характеристики</source>
        <translation>Voltage optimisation curve return</translation>
    </message>
    <message>
        <source>Оптимизация напряжения прервана</source>
        <translation>Voltage optimisation interrupted</translation>
    </message>
    <message>
        <source>Останов двигателя</source>
        <translation>Motor stop</translation>
    </message>
    <message>
        <source>Сработала защита: Чередование фаз</source>
        <translation>Protection activated: phase sequence</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом завершен</source>
        <translation>High torque start completed</translation>
    </message>
    <message>
        <source>Режим пуска с увеличенным моментом отключен</source>
        <translation>High torque start mode is off</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом ошибка</source>
        <translation>High torque start error</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом прерван</source>
        <translation>High torque start interrupted</translation>
    </message>
    <message>
        <source>Синхронизация. Прервано</source>
        <translation>Synchronisation. Interrupted</translation>
    </message>
    <message>
        <source>Режим встряхивания завершен</source>
        <translation>Shaking mode completed</translation>
    </message>
    <message>
        <source>Режим чередования частот частота F1</source>
        <translation>Frequency alternation mode frequency F1</translation>
    </message>
    <message>
        <source>Режим чередования частот частота F2</source>
        <translation>Frequency alternation mode frequency F2</translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя</source>
        <translation>Motor parameter auto-tuning start</translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя ошибка</source>
        <translation>Motor parameter auto-tuning error</translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя прерван</source>
        <translation>Motor parameter auto-tuning interrupted</translation>
    </message>
    <message>
        <source>Отложенный пуск: запуск запрещён</source>
        <translation>Delayed start: start denied</translation>
    </message>
    <message>
        <source>Отложенный пуск: попытка запуска</source>
        <translation>Delayed start: start attempt</translation>
    </message>
    <message>
        <source>СА Активация</source>
        <translation>SA activation</translation>
    </message>
    <message>
        <source>СА Отключение</source>
        <translation>SA deactivation</translation>
    </message>
    <message>
        <source>Zazarere. Прервано</source>
        <translation>Zazarere. Interrupted</translation>
    </message>
    <message>
        <source>Пркч. Ошибка</source>
        <translation>Gas purge error</translation>
    </message>
    <message>
        <source>Команда пуск двигателя</source>
        <translation>Motor start command</translation>
    </message>
    <message>
        <source>Ошибка готовности аварийных архивов ЧРП</source>
        <translation>VSD emergency log readiness error</translation>
    </message>
    <message>
        <source>СА снижение частоты</source>
        <translation>SA frequency reduction</translation>
    </message>
    <message>
        <source>Реж.раб.</source>
        <translation>Ctrl mode</translation>
    </message>
    <message>
        <source>Глубина спуска насоса</source>
        <translation>Pump setting depth</translation>
    </message>
    <message>
        <source>Повышенное напряжение Пусковое время</source>
        <translation>Overvoltage Bypass delay</translation>
    </message>
    <message>
        <source>Повышенное напряжение Время</source>
        <translation>Overvoltage Shutdown delay</translation>
    </message>
    <message>
        <source>Повышенное напряжение Задержка АПВ</source>
        <translation>Overvoltage Restarts delay</translation>
    </message>
    <message>
        <source>Повышенное напряжение Разрешено АПВ</source>
        <translation>Overvoltage Allowed Restarts</translation>
    </message>
    <message>
        <source>Повышенное напряжение Сброс счётчиков АПВ</source>
        <translation>Overvoltage Restart counters reset</translation>
    </message>
    <message>
        <source>Повышенное напряжение Уставка останова</source>
        <translation>Overvoltage Alarm Setpoint</translation>
    </message>
    <message>
        <source>Пониженное напряжение Пусковое время</source>
        <translation>Undervoltage Bypass delay</translation>
    </message>
    <message>
        <source>Пониженное напряжение Время</source>
        <translation>Undervoltage Shutdown delay</translation>
    </message>
    <message>
        <source>Пониженное напряжение Задержка АПВ</source>
        <translation>Undervoltage Restarts delay</translation>
    </message>
    <message>
        <source>Пониженное напряжение Разрешено АПВ</source>
        <translation>Undervoltage Allowed Restarts</translation>
    </message>
    <message>
        <source>Пониженное напряжение Сброс счётчиков АПВ</source>
        <translation>Undervoltage Restart counters reset</translation>
    </message>
    <message>
        <source>Пониженное напряжение Уставка останова</source>
        <translation>Undervoltage Alarm Setpoint</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Пусковое время</source>
        <translation>Voltage imbalance Bypass delay</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Время</source>
        <translation>Voltage imbalance Shutdown delay</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Задержка АПВ</source>
        <translation>Voltage imbalance Restarts delay</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Разрешено АПВ</source>
        <translation>Voltage imbalance Allowed Restarts</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сброс счётчиков АПВ</source>
        <translation>Voltage imbalance Restart counters reset</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Уставка останова</source>
        <translation>Voltage imbalance Alarm Setpoint</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Пусковое время</source>
        <translation>Input current imbalance Bypass delay</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Время</source>
        <translation>Input current imbalance Shutdown delay</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Задержка АПВ</source>
        <translation>Input current imbalance Restarts delay</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Разрешено АПВ</source>
        <translation>Input current imbalance Allowed Restarts</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Сброс счётчиков АПВ</source>
        <translation>Input current imbalance Restart counters reset</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Уставка останова</source>
        <translation>Input current imbalance Alarm Setpoint</translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation>Phase seq.</translation>
    </message>
    <message>
        <source>Черед. фаз Уставка останова</source>
        <translation>Phase seq. Alarm Setpoint</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Пусковое время</source>
        <translation>Overload (OLP) Bypass delay</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Время</source>
        <translation>Overload (OLP) Shutdown delay</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Задержка АПВ</source>
        <translation>Overload (OLP) Restarts delay</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Разрешено АПВ</source>
        <translation>Overload (OLP) Allowed Restarts</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сброс счётчиков АПВ</source>
        <translation>Overload (OLP) Restart counters reset</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Уставка останова</source>
        <translation>Overload (OLP) Alarm Setpoint</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Пусковое время</source>
        <translation>Underload (ULP) Bypass delay</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Время</source>
        <translation>Underload (ULP) Shutdown delay</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Задержка АПВ</source>
        <translation>Underload (ULP) Restarts delay</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Разрешено АПВ</source>
        <translation>Underload (ULP) Allowed Restarts</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сброс счётчиков АПВ</source>
        <translation>Underload (ULP) Restart counters reset</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Уставка останова</source>
        <translation>Underload (ULP) Alarm Setpoint</translation>
    </message>
    <message>
        <source>Предел тока двигателя Задержка АПВ</source>
        <translation>Motor current limit Restarts delay</translation>
    </message>
    <message>
        <source>Предел тока двигателя Разрешено АПВ</source>
        <translation>Motor current limit Allowed Restarts</translation>
    </message>
    <message>
        <source>Предел тока двигателя Сброс счётчиков АПВ</source>
        <translation>Motor current limit Restart counters reset</translation>
    </message>
    <message>
        <source>Предел тока двигателя Уставка останова</source>
        <translation>Motor current limit Alarm Setpoint</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Пусковое время</source>
        <translation>Motor current imbalance Bypass delay</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Время</source>
        <translation>Motor current imbalance Shutdown delay</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Задержка АПВ</source>
        <translation>Motor current imbalance Restarts delay</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Разрешено АПВ</source>
        <translation>Motor current imbalance Allowed Restarts</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сброс счётчиков АПВ</source>
        <translation>Motor current imbalance Restart counters reset</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Уставка останова</source>
        <translation>Motor current imbalance Alarm Setpoint</translation>
    </message>
    <message>
        <source>Турбинное вращение Уставка останова</source>
        <translation>Turbine rotation Alarm Setpoint</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя</source>
        <translation>Motor out of sync</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Пусковое время</source>
        <translation>Motor out of sync Bypass delay</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Время</source>
        <translation>Motor out of sync Shutdown delay</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Задержка АПВ</source>
        <translation>Motor out of sync Restarts delay</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Разрешено АПВ</source>
        <translation>Motor out of sync Allowed Restarts</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Сброс счётчиков АПВ</source>
        <translation>Motor out of sync Restart counters reset</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Пусковое время</source>
        <translation>Pump intake pressure Bypass delay</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Время</source>
        <translation>Pump intake pressure Shutdown delay</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Задержка АПВ</source>
        <translation>Pump intake pressure Restarts delay</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Разрешено АПВ</source>
        <translation>Pump intake pressure Allowed Restarts</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Сброс счётчиков АПВ</source>
        <translation>Pump intake pressure Restart counters reset</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка останова минимум</source>
        <translation>Pump intake pressure Alarm Setpoint minimum</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка пуска</source>
        <translation>Pump intake pressure Restart Setpoint</translation>
    </message>
    <message>
        <source>Температура двигателя Пусковое время</source>
        <translation>Motor temperature Bypass delay</translation>
    </message>
    <message>
        <source>Температура двигателя Время</source>
        <translation>Motor temperature Shutdown delay</translation>
    </message>
    <message>
        <source>Температура двигателя Задержка АПВ</source>
        <translation>Motor temperature Restarts delay</translation>
    </message>
    <message>
        <source>Температура двигателя Разрешено АПВ</source>
        <translation>Motor temperature Allowed Restarts</translation>
    </message>
    <message>
        <source>Температура двигателя Сброс счётчиков АПВ</source>
        <translation>Motor temperature Restart counters reset</translation>
    </message>
    <message>
        <source>Температура двигателя Уставка останова</source>
        <translation>Motor temperature Alarm Setpoint</translation>
    </message>
    <message>
        <source>Температура двигателя Уставка пуска</source>
        <translation>Motor temperature Restart Setpoint</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Уставка останова</source>
        <translation>Insulation resistance Alarm Setpoint</translation>
    </message>
    <message>
        <source>Вибрация двигателя Пусковое время</source>
        <translation>Motor vibration Bypass delay</translation>
    </message>
    <message>
        <source>Вибрация двигателя Время</source>
        <translation>Motor vibration Shutdown delay</translation>
    </message>
    <message>
        <source>Вибрация двигателя Задержка АПВ</source>
        <translation>Motor vibration Restarts delay</translation>
    </message>
    <message>
        <source>Вибрация двигателя Разрешено АПВ</source>
        <translation>Motor vibration Allowed Restarts</translation>
    </message>
    <message>
        <source>Вибрация двигателя Сброс счётчиков АПВ</source>
        <translation>Motor vibration Restart counters reset</translation>
    </message>
    <message>
        <source>Вибрация двигателя Уставка останова</source>
        <translation>Motor vibration Alarm Setpoint</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пусковое время</source>
        <translation>AI 1 Bypass delay</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Время минимум</source>
        <translation>AI 1 Shutdown delay minimum</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Задержка АПВ</source>
        <translation>AI 1 Restarts delay</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Разрешено АПВ</source>
        <translation>AI 1 Allowed Restarts</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сброс АПВ</source>
        <translation>AI 1 Restart reset</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Останов мин.</source>
        <translation>AI 1 Stop min.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пуск мин.</source>
        <translation>AI 1 Start min.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Останов макс.</source>
        <translation>AI 1 Stop max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пусковое время</source>
        <translation>AI 2 Bypass delay</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Время минимум</source>
        <translation>AI 2 Shutdown delay minimum</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Задержка АПВ</source>
        <translation>AI 2 Restarts delay</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Разрешено АПВ</source>
        <translation>AI 2 Allowed Restarts</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сброс АПВ</source>
        <translation>AI 2 Restart reset</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Останов мин.</source>
        <translation>AI 2 Stop min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пуск мин.</source>
        <translation>AI 2 Start min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Останов макс.</source>
        <translation>AI 2 Stop max.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пусковое время</source>
        <translation>AI 3 Bypass delay</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Время минимум</source>
        <translation>AI 3 Shutdown delay minimum</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Задержка АПВ</source>
        <translation>AI 3 Restarts delay</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Разрешено АПВ</source>
        <translation>AI 3 Allowed Restarts</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сброс АПВ</source>
        <translation>AI 3 Restart reset</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Останов мин.</source>
        <translation>AI 3 Stop min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пуск мин.</source>
        <translation>AI 3 Start min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Останов макс.</source>
        <translation>AI 3 Stop max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пусковое время</source>
        <translation>AI 4 Bypass delay</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Время минимум</source>
        <translation>AI 4 Shutdown delay minimum</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Задержка АПВ</source>
        <translation>AI 4 Restarts delay</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Разрешено АПВ</source>
        <translation>AI 4 Allowed Restarts</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сброс АПВ</source>
        <translation>AI 4 Restart reset</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Останов мин.</source>
        <translation>AI 4 Stop min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пуск мин.</source>
        <translation>AI 4 Start min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Останов макс.</source>
        <translation>AI 4 Stop max.</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Пусковое время</source>
        <translation>DI 1 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Время</source>
        <translation>DI 1 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Задержка АПВ</source>
        <translation>DI 1 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Разрешено АПВ</source>
        <translation>DI 1 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сброс АПВ</source>
        <translation>DI 1 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Пусковое время</source>
        <translation>DI 2 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Время</source>
        <translation>DI 2 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Задержка АПВ</source>
        <translation>DI 2 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Разрешено АПВ</source>
        <translation>DI 2 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сброс АПВ</source>
        <translation>DI 2 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Пусковое время</source>
        <translation>DI 3 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Время</source>
        <translation>DI 3 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Задержка АПВ</source>
        <translation>DI 3 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Разрешено АПВ</source>
        <translation>DI 3 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сброс АПВ</source>
        <translation>DI 3 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Пусковое время</source>
        <translation>DI 4 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Время</source>
        <translation>DI 4 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Задержка АПВ</source>
        <translation>DI 4 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Разрешено АПВ</source>
        <translation>DI 4 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сброс АПВ</source>
        <translation>DI 4 Restart reset</translation>
    </message>
    <message>
        <source>Превышение числа пусков Уставка останова</source>
        <translation>Too many starts Alarm Setpoint</translation>
    </message>
    <message>
        <source>Превышение числа пусков Сброс счётчиков АПВ</source>
        <translation>Too many starts Restart counters reset</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Задержка АПВ</source>
        <translation>VSD hardware protections Restarts delay</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Разрешено АПВ</source>
        <translation>VSD hardware protections Allowed Restarts</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Сброс счётчиков АПВ</source>
        <translation>VSD hardware protections Restart counters reset</translation>
    </message>
    <message>
        <source>Периодика</source>
        <translation>Periodic mode</translation>
    </message>
    <message>
        <source>Черед. частот</source>
        <translation>Frequency alternation</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР)</source>
        <translation>Programmed frequency change (kick-off)</translation>
    </message>
    <message>
        <source>Поддержание параметра</source>
        <translation>Parameter maintenance</translation>
    </message>
    <message>
        <source>Поддержание параметра Параметр</source>
        <translation>Parameter maintenance parameter</translation>
    </message>
    <message>
        <source>Прокачка газа</source>
        <translation>Gas purge</translation>
    </message>
    <message>
        <source>Токоограничение</source>
        <translation>Current limiting</translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе A</source>
        <translation>Input voltage coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе B</source>
        <translation>Input voltage coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе C</source>
        <translation>Input voltage coefficient C</translation>
    </message>
    <message>
        <source>Коэффициент тока фазы U</source>
        <translation>Phase current coefficient U</translation>
    </message>
    <message>
        <source>Коэффициент тока фазы V</source>
        <translation>Phase current coefficient V</translation>
    </message>
    <message>
        <source>Коэффициент тока фазы W</source>
        <translation>Phase current coefficient W</translation>
    </message>
    <message>
        <source>Повышенное напряжение Сброс уставок</source>
        <translation>Overvoltage Setpoints reset</translation>
    </message>
    <message>
        <source>Пониженное напряжение Сброс уставок</source>
        <translation>Undervoltage Setpoints reset</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сброс уставок</source>
        <translation>Voltage imbalance Setpoints reset</translation>
    </message>
    <message>
        <source>Дисбаланс токов Сброс уставок</source>
        <translation>Current imbalance Setpoints reset</translation>
    </message>
    <message>
        <source>Черед. фаз Сброс уставок</source>
        <translation>Phase seq. Setpoints reset</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сброс уставок</source>
        <translation>Overload (OLP) Setpoints reset</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сброс уставок</source>
        <translation>Underload (ULP) Setpoints reset</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сброс уставок</source>
        <translation>Motor current imbalance Setpoints reset</translation>
    </message>
    <message>
        <source>Турбинное вращение Сброс уставок</source>
        <translation>Turbine rotation Setpoints reset</translation>
    </message>
    <message>
        <source>Рассинхронизация Сброс уставок</source>
        <translation>Out of sync Setpoints reset</translation>
    </message>
    <message>
        <source>Рвх.нас. Сброс уставок</source>
        <translation>Pump intake pressure Setpoints reset</translation>
    </message>
    <message>
        <source>Температура двигателя. Сброс уставок</source>
        <translation>Motor temperature. Setpoints reset</translation>
    </message>
    <message>
        <source>Сопр.изоляции. Сброс уставок</source>
        <translation>Insulation res.. Setpoints reset</translation>
    </message>
    <message>
        <source>Вибрация двиг. Сброс уставок</source>
        <translation>Motor vibration Setpoints reset</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сброс уставок</source>
        <translation>AI 1 Setpoints reset</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сброс уставок</source>
        <translation>AI 2 Setpoints reset</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сброс уставок</source>
        <translation>AI 3 Setpoints reset</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сброс уставок</source>
        <translation>AI 4 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сброс уставок</source>
        <translation>DI 1 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сброс уставок</source>
        <translation>DI 2 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сброс уставок</source>
        <translation>DI 3 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сброс уставок</source>
        <translation>DI 4 Setpoints reset</translation>
    </message>
    <message>
        <source>U КЗ ТМПН</source>
        <translation>SUT Usc</translation>
    </message>
    <message>
        <source>Тип счётчика электроэнергии</source>
        <translation>Energy meter type</translation>
    </message>
    <message>
        <source>Ёмк. вых. фильтра</source>
        <translation>Output filter cap.</translation>
    </message>
    <message>
        <source>Напряж. Сети</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>Макс. рабочее U</source>
        <translation>Max. working U</translation>
    </message>
    <message>
        <source>Аппарат.защиты ЧРП. Сброс уставок</source>
        <translation>VSD hardware protections. Setpoints reset</translation>
    </message>
    <message>
        <source>Макс. рабочая частота</source>
        <translation>Max. working frequency</translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП</source>
        <translation>VSD link loss</translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП Время</source>
        <translation>VSD link loss Shutdown delay</translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП. Сброс уставок</source>
        <translation>VSD link loss. Setpoints reset</translation>
    </message>
    <message>
        <source>Автоадаптация.Состояние</source>
        <translation>Auto-adaptation. State</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Тип сигнала</source>
        <translation>DI 1 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Тип сигнала</source>
        <translation>DI 2 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Тип сигнала</source>
        <translation>DI 3 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Тип сигнала</source>
        <translation>DI 4 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Действие</source>
        <translation>DI 1 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Действие</source>
        <translation>DI 2 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Действие</source>
        <translation>DI 3 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Действие</source>
        <translation>DI 4 Action</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Параметр</source>
        <translation>AI 1 Parameter</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Тип</source>
        <translation>AI 1 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Параметр</source>
        <translation>AI 2 Parameter</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Тип</source>
        <translation>AI 2 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Параметр</source>
        <translation>AI 3 Parameter</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Тип</source>
        <translation>AI 3 Type</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Параметр</source>
        <translation>AI 4 Parameter</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Тип</source>
        <translation>AI 4 Type</translation>
    </message>
    <message>
        <source>Коэффициент тока на входе A</source>
        <translation>Input current coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент тока на входе B</source>
        <translation>Input current coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент тока на входе C</source>
        <translation>Input current coefficient C</translation>
    </message>
    <message>
        <source>Номинал. ток СУ</source>
        <translation>Station rated current</translation>
    </message>
    <message>
        <source>Зав.№ СУ</source>
        <translation>Station serial No.</translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с ТМС</source>
        <translation>Reset DHS link quality counters</translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с ЧРП</source>
        <translation>Reset VSD link quality counters</translation>
    </message>
    <message>
        <source>Отложенный пуск Время</source>
        <translation>Delayed start Shutdown delay</translation>
    </message>
    <message>
        <source>Превыш.пусков Сброс уставок</source>
        <translation>Too many starts Setpoints reset</translation>
    </message>
    <message>
        <source>Минимальный расход Пусковое время</source>
        <translation>Minimum flow Bypass delay</translation>
    </message>
    <message>
        <source>Мин. расход Время</source>
        <translation>Min. flow Shutdown delay</translation>
    </message>
    <message>
        <source>Минимальный расход Задержка АПВ</source>
        <translation>Minimum flow Restarts delay</translation>
    </message>
    <message>
        <source>Минимальный расход Разрешено АПВ</source>
        <translation>Minimum flow Allowed Restarts</translation>
    </message>
    <message>
        <source>Минимальный расход Сброс счётчиков АПВ</source>
        <translation>Minimum flow Restart counters reset</translation>
    </message>
    <message>
        <source>Минимальный расход Уставка останова</source>
        <translation>Minimum flow Alarm Setpoint</translation>
    </message>
    <message>
        <source>Минимальный расход Сброс уставок</source>
        <translation>Minimum flow Setpoints reset</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Пусковое время</source>
        <translation>Pump discharge pressure Bypass delay</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Время</source>
        <translation>Pump discharge pressure Shutdown delay</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Задержка АПВ</source>
        <translation>Pump discharge pressure Restarts delay</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Разрешено АПВ</source>
        <translation>Pump discharge pressure Allowed Restarts</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сброс счётчиков АПВ</source>
        <translation>Pump discharge pressure Restart counters reset</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Уставка останова</source>
        <translation>Pump discharge pressure Alarm Setpoint</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Уставка пуска</source>
        <translation>Pump discharge pressure Restart Setpoint</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сброс уставок</source>
        <translation>Pump discharge pressure Setpoints reset</translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП). Разрешено АПВ</source>
        <translation>SA overload (OLP). Allowed Restarts</translation>
    </message>
    <message>
        <source>Релейный вых.1 уст.</source>
        <translation>Relay 1 function</translation>
    </message>
    <message>
        <source>Релейный вых.2 уст.</source>
        <translation>Relay 2 function</translation>
    </message>
    <message>
        <source>Релейный вых.3 уст.</source>
        <translation>Relay 3 function</translation>
    </message>
    <message>
        <source>Релейный вых.4 уст.</source>
        <translation>Relay 4 function</translation>
    </message>
    <message>
        <source>Предел тока двигателя Сброс уставок</source>
        <translation>Motor current limit Setpoints reset</translation>
    </message>
    <message>
        <source>Перегрев фильтра Задержка АПВ</source>
        <translation>Filter overheating Restarts delay</translation>
    </message>
    <message>
        <source>Перегрев фильтра Разрешено АПВ</source>
        <translation>Filter overheating Allowed Restarts</translation>
    </message>
    <message>
        <source>Перегрев фильтра Сброс счётчиков АПВ</source>
        <translation>Filter overheating Restart counters reset</translation>
    </message>
    <message>
        <source>Перегрев фильтра Сброс уставок</source>
        <translation>Filter overheating Setpoints reset</translation>
    </message>
    <message>
        <source>СА Состояние</source>
        <translation>SA state</translation>
    </message>
    <message>
        <source>СА Подхват. Задержка АПВ</source>
        <translation>SA flying start. Restarts delay</translation>
    </message>
    <message>
        <source>Удел. ЭДС</source>
        <translation>Specific EMF</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Смещ.</source>
        <translation>AI 1 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак</source>
        <translation>AI 1 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Коэф.</source>
        <translation>AI 1 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Смещ.</source>
        <translation>AI 2 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак</source>
        <translation>AI 2 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Коэф.</source>
        <translation>AI 2 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Смещ.</source>
        <translation>AI 3 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак</source>
        <translation>AI 3 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Коэф.</source>
        <translation>AI 3 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Смещ.</source>
        <translation>AI 4 Offset</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак</source>
        <translation>AI 4 Sign</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Коэф.</source>
        <translation>AI 4 Coef.</translation>
    </message>
    <message>
        <source>Датчик темп. Фильтра</source>
        <translation>Filter temp. sensor</translation>
    </message>
    <message>
        <source>ТМС. Интерфейс</source>
        <translation>DHS. Interface</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Ед. изм.</source>
        <translation>AI 1 Units</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Ед. изм.</source>
        <translation>AI 2 Units</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Ед. изм.</source>
        <translation>AI 3 Units</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Ед. изм.</source>
        <translation>AI 4 Units</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пуск макс.</source>
        <translation>AI 1 Start max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пуск макс.</source>
        <translation>AI 2 Start max.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пуск макс.</source>
        <translation>AI 3 Start max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пуск макс.</source>
        <translation>AI 4 Start max.</translation>
    </message>
    <message>
        <source>Период записи ТМС после останова</source>
        <translation>DHS recording interval after shutdown</translation>
    </message>
    <message>
        <source>ТМПН Полное сопротивление фазы</source>
        <translation>SUT phase impedance</translation>
    </message>
    <message>
        <source>ТМПН Активное сопротивление фазы</source>
        <translation>SUT phase resistance</translation>
    </message>
    <message>
        <source>ТМПН Погонная индуктивность кабеля на км</source>
        <translation>SUT cable inductance per km</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак мин.</source>
        <translation>AI 1 Sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак макс.</source>
        <translation>AI 1 Sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак останова мин.</source>
        <translation>AI 1 Stop sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак останова макс.</source>
        <translation>AI 1 Stop sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак пуска мин.</source>
        <translation>AI 1 Start sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак пуска макс.</source>
        <translation>AI 1 Start sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак мин.</source>
        <translation>AI 2 Sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак макс.</source>
        <translation>AI 2 Sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак останова мин.</source>
        <translation>AI 2 Stop sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак останова макс.</source>
        <translation>AI 2 Stop sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак пуска мин.</source>
        <translation>AI 2 Start sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак пуска макс.</source>
        <translation>AI 2 Start sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак мин.</source>
        <translation>AI 3 Sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак макс.</source>
        <translation>AI 3 Sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак останова мин.</source>
        <translation>AI 3 Stop sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак останова макс.</source>
        <translation>AI 3 Stop sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак пуска мин.</source>
        <translation>AI 3 Start sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак пуска макс.</source>
        <translation>AI 3 Start sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак мин.</source>
        <translation>AI 4 Sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак макс.</source>
        <translation>AI 4 Sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак останова мин.</source>
        <translation>AI 4 Stop sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак останова макс.</source>
        <translation>AI 4 Stop sign max.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак пуска мин.</source>
        <translation>AI 4 Start sign min.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак пуска макс.</source>
        <translation>AI 4 Start sign max.</translation>
    </message>
    <message>
        <source>Температура двигателя Положение датчика</source>
        <translation>Motor temperature Sensor position</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Тип сигнала</source>
        <translation>DI 7 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Тип сигнала</source>
        <translation>DI 8 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Тип сигнала</source>
        <translation>DI 9 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Тип сигнала</source>
        <translation>DI 10 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Действие</source>
        <translation>DI 7 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Действие</source>
        <translation>DI 8 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Действие</source>
        <translation>DI 9 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Действие</source>
        <translation>DI 10 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Название</source>
        <translation>DI 1 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Параметр</source>
        <translation>DI 2 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Параметр</source>
        <translation>DI 3 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Параметр</source>
        <translation>DI 4 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Параметр</source>
        <translation>DI 7 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Параметр</source>
        <translation>DI 8 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Параметр</source>
        <translation>DI 9 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Параметр</source>
        <translation>DI 10 Parameter</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Пусковое время</source>
        <translation>DI 7 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Время</source>
        <translation>DI 7 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Задержка АПВ</source>
        <translation>DI 7 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Разрешено АПВ</source>
        <translation>DI 7 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сброс счётчиков АПВ</source>
        <translation>DI 7 Restart counters reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Пусковое время</source>
        <translation>DI 8 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Время</source>
        <translation>DI 8 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Задержка АПВ</source>
        <translation>DI 8 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Разрешено АПВ</source>
        <translation>DI 8 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сброс счётчиков АПВ</source>
        <translation>DI 8 Restart counters reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Пусковое время</source>
        <translation>DI 9 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Время</source>
        <translation>DI 9 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Задержка АПВ</source>
        <translation>DI 9 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Разрешено АПВ</source>
        <translation>DI 9 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сброс счётчиков АПВ</source>
        <translation>DI 9 Restart counters reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Пусковое время</source>
        <translation>DI 10 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Время</source>
        <translation>DI 10 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Задержка АПВ</source>
        <translation>DI 10 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Разрешено АПВ</source>
        <translation>DI 10 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сброс АПВ</source>
        <translation>DI 10 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сброс уставок</source>
        <translation>DI 7 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сброс уставок</source>
        <translation>DI 8 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сброс уставок</source>
        <translation>DI 9 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сброс уставок</source>
        <translation>DI 10 Setpoints reset</translation>
    </message>
    <message>
        <source>Коэффициент напряжения U</source>
        <translation>Voltage coefficient U</translation>
    </message>
    <message>
        <source>Коэффициент напряжения V</source>
        <translation>Voltage coefficient V</translation>
    </message>
    <message>
        <source>Коэффициент напряжения W</source>
        <translation>Voltage coefficient W</translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора A</source>
        <translation>Transformer current coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора B</source>
        <translation>Transformer current coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора C</source>
        <translation>Transformer current coefficient C</translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора A</source>
        <translation>Transformer voltage coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора B</source>
        <translation>Transformer voltage coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора C</source>
        <translation>Transformer voltage coefficient C</translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя A</source>
        <translation>Motor current coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя B</source>
        <translation>Motor current coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя C</source>
        <translation>Motor current coefficient C</translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя A</source>
        <translation>Motor voltage coefficient A</translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя B</source>
        <translation>Motor voltage coefficient B</translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя C</source>
        <translation>Motor voltage coefficient C</translation>
    </message>
    <message>
        <source>Автонастройка.Состояние</source>
        <translation>Auto-tuning. State</translation>
    </message>
    <message>
        <source>Отключение питания сети Время</source>
        <translation>Disabling power supply Shutdown delay</translation>
    </message>
    <message>
        <source>Сигнализация об отклонении от рабочих параметров</source>
        <translation>Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Повышенное напряжение Сигнализация об отклонении от рабочих параметров</source>
        <translation>Overvoltage Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Пониженное напряжение Сигнализация об отклонении от рабочих параметров</source>
        <translation>Undervoltage Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сигнализация об отклонении от рабочих параметров</source>
        <translation>Voltage imbalance Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Дисбаланс токов Сигнализация об отклонении от рабочих параметров</source>
        <translation>Current imbalance Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сигнализация об отклонении от рабочих параметров</source>
        <translation>Overload (OLP) Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сигнализация об отклонении от рабочих параметров</source>
        <translation>Underload (ULP) Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Motor current imbalance Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД Сигнализация об отклонении от рабочих параметров</source>
        <translation>PM motor out of sync Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Температура двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Motor temperature Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Сигнализация об отклонении от рабочих параметров</source>
        <translation>Pump intake pressure Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сигнализация об отклонении от рабочих параметров</source>
        <translation>Pump discharge pressure Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Сигнализация об отклонении от рабочих параметров</source>
        <translation>Insulation resistance Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Вибрация двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Motor vibration Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Минимальный расход Сигнализация об отклонении от рабочих параметров</source>
        <translation>Minimum flow Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Сигнализация об отклонении от рабочих параметров</source>
        <translation>VSD hardware protections Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сигнализация</source>
        <translation>DI 1 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сигнализация</source>
        <translation>DI 2 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сигнализация</source>
        <translation>DI 3 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сигнализация</source>
        <translation>DI 4 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сигнализация</source>
        <translation>DI 7 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сигнализация</source>
        <translation>DI 8 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сигнализация</source>
        <translation>DI 9 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сигнализация</source>
        <translation>DI 10 Signaling</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сигнализация</source>
        <translation>AI 1 Signaling</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сигнализация</source>
        <translation>AI 2 Signaling</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сигнализация</source>
        <translation>AI 3 Signaling</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сигнализация</source>
        <translation>AI 4 Signaling</translation>
    </message>
    <message>
        <source>Предел тока двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Motor current limit Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Перегрев фильтра Сигнализация об отклонении от рабочих параметров</source>
        <translation>Filter overheating Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Перегрев радиатора Пусковое время</source>
        <translation>Heatsink overheating Bypass delay</translation>
    </message>
    <message>
        <source>Перегрев радиатора Время</source>
        <translation>Heatsink overheating Shutdown delay</translation>
    </message>
    <message>
        <source>Перегрев радиатора Задержка АПВ</source>
        <translation>Heatsink overheating Restarts delay</translation>
    </message>
    <message>
        <source>Перегрев радиатора Разрешено АПВ</source>
        <translation>Heatsink overheating Allowed Restarts</translation>
    </message>
    <message>
        <source>Перегрев радиатора Сброс счётчиков АПВ</source>
        <translation>Heatsink overheating Restart counters reset</translation>
    </message>
    <message>
        <source>Перегрев радиатора Уставка останова</source>
        <translation>Heatsink overheating Alarm Setpoint</translation>
    </message>
    <message>
        <source>Перегрев радиатора Уставка пуска</source>
        <translation>Heatsink overheating Restart Setpoint</translation>
    </message>
    <message>
        <source>Перегрев радиатора Сигнализация об отклонении от рабочих параметров</source>
        <translation>Heatsink overheating Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Перегрев радиатора. Сброс уставок</source>
        <translation>Heatsink overheating. Setpoints reset</translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП). Задержка АПВ</source>
        <translation>SA overload (OLP). Restarts delay</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Время</source>
        <translation>SA gas purge. Time</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Тип</source>
        <translation>AO 1 Type</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Тип</source>
        <translation>AO 2 Type</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Тип</source>
        <translation>AO 3 Type</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Тип</source>
        <translation>AO 4 Type</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Параметр</source>
        <translation>AO 1 Parameter</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Параметр</source>
        <translation>AO 2 Parameter</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Параметр</source>
        <translation>AO 3 Parameter</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Параметр</source>
        <translation>AO 4 Parameter</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Мин.</source>
        <translation>AO 1 Min.</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Мин.</source>
        <translation>AO 2 Min.</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Мин.</source>
        <translation>AO 3 Min.</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Мин.</source>
        <translation>AO 4 Min.</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Макc.</source>
        <translation>AO 1 Max.</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Макс.</source>
        <translation>AO 2 Max.</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Макс.</source>
        <translation>AO 3 Max.</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Макс.</source>
        <translation>AO 4 Max.</translation>
    </message>
    <message>
        <source>СА Недогруз (ЗСП). Разрешено АПВ</source>
        <translation>SA underload (ULP). Allowed Restarts</translation>
    </message>
    <message>
        <source>Время между контролем ЧРП</source>
        <translation>Time between VSD checks</translation>
    </message>
    <message>
        <source>Связь ЧРП. Адрес</source>
        <translation>VSD link. Address</translation>
    </message>
    <message>
        <source>Связь ЧРП. Скорость</source>
        <translation>VSD link. Speed</translation>
    </message>
    <message>
        <source>Связь ЧРП. Четность</source>
        <translation>VSD link. Parity</translation>
    </message>
    <message>
        <source>Связь ЧРП. Стоп-бит</source>
        <translation>VSD link. Stop bits</translation>
    </message>
    <message>
        <source>Связь ЧРП. Ожидание ответа</source>
        <translation>VSD link. Response timeout</translation>
    </message>
    <message>
        <source>Связь ЧРП. Повторы</source>
        <translation>VSD link. Retries</translation>
    </message>
    <message>
        <source>Связь ЧРП. Номер канала</source>
        <translation>VSD link. Channel</translation>
    </message>
    <message>
        <source>Связь ЧРП. Время контроля потери связи</source>
        <translation>VSD link. Link loss check time</translation>
    </message>
    <message>
        <source>Связь ЧРП. Количество потерь связи</source>
        <translation>VSD link. Link loss count</translation>
    </message>
    <message>
        <source>Связь ЧРП. Время тишины</source>
        <translation>VSD link. Silence time</translation>
    </message>
    <message>
        <source>Релейный вых.5 уст.</source>
        <translation>Relay 5 function</translation>
    </message>
    <message>
        <source>Релейный вых.6 уст.</source>
        <translation>Relay 6 function</translation>
    </message>
    <message>
        <source>Релейный вых.7 уст.</source>
        <translation>Relay 7 function</translation>
    </message>
    <message>
        <source>Релейный вых.8 уст.</source>
        <translation>Relay 8 function</translation>
    </message>
    <message>
        <source>Релейный вых.9 уст.</source>
        <translation>Relay 9 function</translation>
    </message>
    <message>
        <source>Релейный вых.10 уст.</source>
        <translation>Relay 10 function</translation>
    </message>
    <message>
        <source>Релейный вых.11 уст.</source>
        <translation>Relay 11 function</translation>
    </message>
    <message>
        <source>Релейный вых.12 уст.</source>
        <translation>Relay 12 function</translation>
    </message>
    <message>
        <source>Релейный вых.1 Авария</source>
        <translation>Relay 1 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.2 Авария</source>
        <translation>Relay 2 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.3 Авария</source>
        <translation>Relay 3 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.4 Авария</source>
        <translation>Relay 4 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.5 Авария</source>
        <translation>Relay 5 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.6 Авария</source>
        <translation>Relay 6 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.7 Авария</source>
        <translation>Relay 7 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.8 Авария</source>
        <translation>Relay 8 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.9 Авария</source>
        <translation>Relay 9 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.10 Авария</source>
        <translation>Relay 10 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.11 Авария</source>
        <translation>Relay 11 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.12 Авария</source>
        <translation>Relay 12 fault reason</translation>
    </message>
    <message>
        <source>Релейный вых.1 Задержка</source>
        <translation>Relay 1 delay</translation>
    </message>
    <message>
        <source>Релейный вых.2 Задержка</source>
        <translation>Relay 2 delay</translation>
    </message>
    <message>
        <source>Релейный вых.3 Задержка</source>
        <translation>Relay 3 delay</translation>
    </message>
    <message>
        <source>Релейный вых.4 Задержка</source>
        <translation>Relay 4 delay</translation>
    </message>
    <message>
        <source>Релейный вых.5 Задержка</source>
        <translation>Relay 5 delay</translation>
    </message>
    <message>
        <source>Релейный вых.6 Задержка</source>
        <translation>Relay 6 delay</translation>
    </message>
    <message>
        <source>Релейный вых.7 Задержка</source>
        <translation>Relay 7 delay</translation>
    </message>
    <message>
        <source>Релейный вых.8 Задержка</source>
        <translation>Relay 8 delay</translation>
    </message>
    <message>
        <source>Релейный вых.9 Задержка</source>
        <translation>Relay 9 delay</translation>
    </message>
    <message>
        <source>Релейный вых.10 Задержка</source>
        <translation>Relay 10 delay</translation>
    </message>
    <message>
        <source>Релейный вых.11 Задержка</source>
        <translation>Relay 11 delay</translation>
    </message>
    <message>
        <source>Релейный вых.12 Задержка</source>
        <translation>Relay 12 delay</translation>
    </message>
    <message>
        <source>Релейный вых.1 Удержание</source>
        <translation>Relay 1 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.2 Удержание</source>
        <translation>Relay 2 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.3 Удержание</source>
        <translation>Relay 3 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.4 Удержание</source>
        <translation>Relay 4 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.5 Удержание</source>
        <translation>Relay 5 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.6 Удержание</source>
        <translation>Relay 6 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.7 Удержание</source>
        <translation>Relay 7 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.8 Удержание</source>
        <translation>Relay 8 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.9 Удержание</source>
        <translation>Relay 9 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.10 Удержание</source>
        <translation>Relay 10 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.11 Удержание</source>
        <translation>Relay 11 hold time</translation>
    </message>
    <message>
        <source>Релейный вых.12 Удержание</source>
        <translation>Relay 12 hold time</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Действие</source>
        <translation>DI 13 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Тип сигнала</source>
        <translation>DI 13 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Название</source>
        <translation>DI 13 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сброс уставок</source>
        <translation>DI 13 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Пусковое время</source>
        <translation>DI 13 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Время</source>
        <translation>DI 13 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Задержка АПВ</source>
        <translation>DI 13 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Разрешено АПВ</source>
        <translation>DI 13 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сброс АПВ</source>
        <translation>DI 13 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сигнализация</source>
        <translation>DI 13 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Действие</source>
        <translation>DI 14 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Тип сигнала</source>
        <translation>DI 14 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Название</source>
        <translation>DI 14 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сброс уставок</source>
        <translation>DI 14 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Пусковое время</source>
        <translation>DI 14 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Время</source>
        <translation>DI 14 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Задержка АПВ</source>
        <translation>DI 14 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Разрешено АПВ</source>
        <translation>DI 14 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сброс АПВ</source>
        <translation>DI 14 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сигнализация</source>
        <translation>DI 14 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Действие</source>
        <translation>DI 15 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Тип сигнала</source>
        <translation>DI 15 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Название</source>
        <translation>DI 15 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сброс уставок</source>
        <translation>DI 15 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Пусковое время</source>
        <translation>DI 15 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Время</source>
        <translation>DI 15 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Задержка АПВ</source>
        <translation>DI 15 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Разрешено АПВ</source>
        <translation>DI 15 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сброс АПВ</source>
        <translation>DI 15 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сигнализация</source>
        <translation>DI 15 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Действие</source>
        <translation>DI 16 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Тип сигнала</source>
        <translation>DI 16 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Название</source>
        <translation>DI 16 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сброс уставок</source>
        <translation>DI 16 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Пусковое время</source>
        <translation>DI 16 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Время</source>
        <translation>DI 16 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Задержка АПВ</source>
        <translation>DI 16 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Разрешено АПВ</source>
        <translation>DI 16 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сброс АПВ</source>
        <translation>DI 16 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сигнализация</source>
        <translation>DI 16 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Действие</source>
        <translation>DI 17 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Тип сигнала</source>
        <translation>DI 17 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Название</source>
        <translation>DI 17 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сброс уставок</source>
        <translation>DI 17 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Пусковое время</source>
        <translation>DI 17 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Время</source>
        <translation>DI 17 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Задержка АПВ</source>
        <translation>DI 17 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Разрешено АПВ</source>
        <translation>DI 17 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сброс АПВ</source>
        <translation>DI 17 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сигнализация</source>
        <translation>DI 17 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Действие</source>
        <translation>DI 18 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Тип сигнала</source>
        <translation>DI 18 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Название</source>
        <translation>DI 18 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сброс уставок</source>
        <translation>DI 18 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Пусковое время</source>
        <translation>DI 18 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Время</source>
        <translation>DI 18 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Задержка АПВ</source>
        <translation>DI 18 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Разрешено АПВ</source>
        <translation>DI 18 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сброс АПВ</source>
        <translation>DI 18 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сигнализация</source>
        <translation>DI 18 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Действие</source>
        <translation>DI 19 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Тип сигнала</source>
        <translation>DI 19 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Название</source>
        <translation>DI 19 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сброс уставок</source>
        <translation>DI 19 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Пусковое время</source>
        <translation>DI 19 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Время</source>
        <translation>DI 19 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Задержка АПВ</source>
        <translation>DI 19 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Разрешено АПВ</source>
        <translation>DI 19 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сброс АПВ</source>
        <translation>DI 19 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сигнализация</source>
        <translation>DI 19 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Действие</source>
        <translation>DI 20 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Тип сигнала</source>
        <translation>DI 20 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Название</source>
        <translation>DI 20 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сброс уставок</source>
        <translation>DI 20 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Пусковое время</source>
        <translation>DI 20 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Время</source>
        <translation>DI 20 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Задержка АПВ</source>
        <translation>DI 20 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Разрешено АПВ</source>
        <translation>DI 20 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сброс АПВ</source>
        <translation>DI 20 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сигнализация</source>
        <translation>DI 20 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Действие</source>
        <translation>DI 21 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Тип сигнала</source>
        <translation>DI 21 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Название</source>
        <translation>DI 21 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сброс уставок</source>
        <translation>DI 21 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Пусковое время</source>
        <translation>DI 21 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Время</source>
        <translation>DI 21 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Задержка АПВ</source>
        <translation>DI 21 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Разрешено АПВ</source>
        <translation>DI 21 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сброс АПВ</source>
        <translation>DI 21 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сигнализация</source>
        <translation>DI 21 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Действие</source>
        <translation>DI 22 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Тип сигнала</source>
        <translation>DI 22 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Название</source>
        <translation>DI 22 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сброс уставок</source>
        <translation>DI 22 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Пусковое время</source>
        <translation>DI 22 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Время</source>
        <translation>DI 22 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Задержка АПВ</source>
        <translation>DI 22 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Разрешено АПВ</source>
        <translation>DI 22 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сброс АПВ</source>
        <translation>DI 22 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сигнализация</source>
        <translation>DI 22 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Действие</source>
        <translation>DI 23 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Тип сигнала</source>
        <translation>DI 23 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Название</source>
        <translation>DI 23 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сброс уставок</source>
        <translation>DI 23 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Пусковое время</source>
        <translation>DI 23 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Время</source>
        <translation>DI 23 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Задержка АПВ</source>
        <translation>DI 23 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Разрешено АПВ</source>
        <translation>DI 23 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сброс АПВ</source>
        <translation>DI 23 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сигнализация</source>
        <translation>DI 23 Signaling</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Действие</source>
        <translation>DI 24 Action</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Тип сигнала</source>
        <translation>DI 24 Signal type</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Название</source>
        <translation>DI 24 Name</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сброс уставок</source>
        <translation>DI 24 Setpoints reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Пусковое время</source>
        <translation>DI 24 Bypass delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Время</source>
        <translation>DI 24 Shutdown delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Задержка АПВ</source>
        <translation>DI 24 Restarts delay</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Разрешено АПВ</source>
        <translation>DI 24 Allowed Restarts</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сброс АПВ</source>
        <translation>DI 24 Restart reset</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сигнализация</source>
        <translation>DI 24 Signaling</translation>
    </message>
    <message>
        <source>Температура на приёмеПусковое время</source>
        <translation>Intake temperature Bypass delay</translation>
    </message>
    <message>
        <source>Температура на приёмеВремя</source>
        <translation>Intake temperature Shutdown delay</translation>
    </message>
    <message>
        <source>Температура на приёмеЗадержка АПВ</source>
        <translation>Intake temperature Restarts delay</translation>
    </message>
    <message>
        <source>Температура на приёмеРазрешено АПВ</source>
        <translation>Intake temperature Allowed Restarts</translation>
    </message>
    <message>
        <source>Температура на приёме Сброс счётчиков АПВ</source>
        <translation>Intake temperature Restart counters reset</translation>
    </message>
    <message>
        <source>Температура на приёме Уставка останова</source>
        <translation>Intake temperature Alarm Setpoint</translation>
    </message>
    <message>
        <source>Температура на приёме Уставка пуска</source>
        <translation>Intake temperature Restart Setpoint</translation>
    </message>
    <message>
        <source>Температура на приёме Сигнализация об отклонении от рабочих параметров</source>
        <translation>Intake temperature Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Температура на приёме. Сброс уставок</source>
        <translation>Intake temperature. Setpoints reset</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка останова максимум</source>
        <translation>Pump intake pressure Alarm Setpoint maximum</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Пусковое время</source>
        <translation>DHS link loss Bypass delay</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Время</source>
        <translation>DHS link loss Shutdown delay</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Задержка АПВ</source>
        <translation>DHS link loss Restarts delay</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Разрешено АПВ</source>
        <translation>DHS link loss Allowed Restarts</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сброс счётчиков АПВ</source>
        <translation>DHS link loss Restart counters reset</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Уставка останова</source>
        <translation>DHS link loss Alarm Setpoint</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Уставка пуска</source>
        <translation>DHS link loss Restart Setpoint</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сигнализация об отклонении от рабочих параметров</source>
        <translation>DHS link loss Signaling deviations parameters</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сброс уставок</source>
        <translation>DHS link loss Setpoints reset</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Время максимум</source>
        <translation>AI 1 Shutdown delay maximum</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Время максимум</source>
        <translation>AI 2 Shutdown delay maximum</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Время максимум</source>
        <translation>AI 3 Shutdown delay maximum</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Время максимум</source>
        <translation>AI 4 Shutdown delay maximum</translation>
    </message>
    <message>
        <source>Направ.вращ.</source>
        <translation>Rotation dir.</translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП</source>
        <translation>Total inductance at the VSD output</translation>
    </message>
    <message>
        <source>Пониженное напряжение Снижение частоты</source>
        <translation>Undervoltage Frequency reduction</translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Журнал событий</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>Считать архив</source>
        <translation>Read log</translation>
    </message>
    <message>
        <source>Очистить архив</source>
        <translation>Clear log</translation>
    </message>
    <message>
        <source>Очистить сервисный архив</source>
        <translation>Clear debug log</translation>
    </message>
    <message>
        <source>Удаление архивов не завершено: контроллер не ответил</source>
        <translation>Deleting logs not completed: the controller did not answer</translation>
    </message>
    <message>
        <source>Удаление служебных архивов не завершено: контроллер не ответил</source>
        <translation>Deleting debug logs not completed: the controller did not answer</translation>
    </message>
    <message>
        <source>мм2</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Цифр. вх. %1</source>
        <translation>DI %1</translation>
    </message>
    <message>
        <source>Отрицательная</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Положительная</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>Защита по аналоговому входу </source>
        <translation>Analog input protection </translation>
    </message>
    <message>
        <source>Аналоговый вход </source>
        <translation>Analog input </translation>
    </message>
    <message>
        <source>Цифровой вход </source>
        <translation>Digital input </translation>
    </message>
    <message>
        <source>Замкнут</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Разомкнут</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Чередование частот</source>
        <translation>Frequency alternation</translation>
    </message>
    <message>
        <source>Режим токоограничения</source>
        <translation>Current limit mode</translation>
    </message>
    <message>
        <source>Частота F1</source>
        <translation>Frequency F1</translation>
    </message>
    <message>
        <source>Частота F2</source>
        <translation>Frequency F2</translation>
    </message>
    <message>
        <source>Ожидание</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Настроить аналоговый вход</source>
        <translation>Set up the analog input</translation>
    </message>
    <message>
        <source>Для включения режима остановите двигатель!</source>
        <translation>Stop the motor to enable the mode!</translation>
    </message>
    <message>
        <source>Включена защита &quot;Перегруз&quot;
При включении режима - защита будет неактивна!</source>
        <translation>The &quot;Overload&quot; protection is on
With the mode on, the protection will be inactive!</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Программное изменение частоты (ВНР)</source>
        <translation>Programmed frequency change (kick-off)</translation>
    </message>
    <message>
        <source>1 цикл</source>
        <translation>1 cycle</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Понижение U</source>
        <translation>U decrease</translation>
    </message>
    <message>
        <source>Повышение U</source>
        <translation>U increase</translation>
    </message>
    <message>
        <source>Для включения режима
выберите U/f управление!</source>
        <translation>To enable the mode
select U/f control!</translation>
    </message>
    <message>
        <source>Для включения режима 
 активируйте защиту Недогруз (ЗСП)</source>
        <translation>To enable the mode 
 turn on the Underload (ULP) protection</translation>
    </message>
    <message>
        <source>Для включения режима выберите векторное управление!</source>
        <translation>Select vector control to enable the mode!</translation>
    </message>
    <message>
        <source>Режимы пуска</source>
        <translation>Start modes</translation>
    </message>
    <message>
        <source>Для изменения остановите двигатель!</source>
        <translation>To change, stop motor!</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions10Form</name>
    <message>
        <source>Релейный выход 10</source>
        <translation>Relay output 10</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions11Form</name>
    <message>
        <source>Релейный выход 11</source>
        <translation>Relay output 11</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions12Form</name>
    <message>
        <source>Релейный выход 12</source>
        <translation>Relay output 12</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions1Form</name>
    <message>
        <source>Релейный выход 1</source>
        <translation>Relay output 1</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions2Form</name>
    <message>
        <source>Релейный выход 2</source>
        <translation>Relay output 2</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions3Form</name>
    <message>
        <source>Релейный выход 3</source>
        <translation>Relay output 3</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions4Form</name>
    <message>
        <source>Релейный выход 4</source>
        <translation>Relay output 4</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions5Form</name>
    <message>
        <source>Релейный выход 5</source>
        <translation>Relay output 5</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions6Form</name>
    <message>
        <source>Релейный выход 6</source>
        <translation>Relay output 6</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions7Form</name>
    <message>
        <source>Релейный выход 7</source>
        <translation>Relay output 7</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions8Form</name>
    <message>
        <source>Релейный выход 8</source>
        <translation>Relay output 8</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions9Form</name>
    <message>
        <source>Релейный выход 9</source>
        <translation>Relay output 9</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptionsForm</name>
    <message>
        <source>Любая</source>
        <translation>Any</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptionsMenu</name>
    <message>
        <source>Релейные выходы</source>
        <translation>Relay outputs</translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation>Relay output 1</translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation>Relay output 2</translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation>Relay output 3</translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation>Relay output 4</translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation>Relay output 5</translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation>Relay output 6</translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation>Relay output 7</translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation>Relay output 8</translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation>Relay output 9</translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation>Relay output 10</translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation>Relay output 11</translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation>Relay output 12</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Синхронизация с контроллером...</source>
        <translation>Synchronising with the controller...</translation>
    </message>
    <message>
        <source>Синхронизация с контроллером: %1%</source>
        <translation>Synchronising with the controller: %1%</translation>
    </message>
</context>
<context>
    <name>StationForm</name>
    <message>
        <source>Станция управления</source>
        <translation>Control station</translation>
    </message>
</context>
<context>
    <name>StatisticsForm</name>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
</context>
<context>
    <name>TechnologParamsMenu</name>
    <message>
        <source>Технологические настройки</source>
        <translation>Process settings</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Корректировки</source>
        <translation>Corrections</translation>
    </message>
    <message>
        <source>Настройка меню технолога</source>
        <translation>Technologist menu setup</translation>
    </message>
</context>
<context>
    <name>TransForm</name>
    <message>
        <source>ТМПН</source>
        <translation>SUT</translation>
    </message>
</context>
<context>
    <name>UpsForm</name>
    <message>
        <source>ИБП</source>
        <translation>UPS</translation>
    </message>
</context>
<context>
    <name>VsdConnectForm</name>
    <message>
        <source>Связь с ЧРП</source>
        <translation>VSD link</translation>
    </message>
    <message>
        <source>Применить настройки порта</source>
        <translation>Apply port settings</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>Reset the link quality counters?</translation>
    </message>
</context>
<context>
    <name>VsdMenu</name>
    <message>
        <source>ЧРП</source>
        <translation>VSD</translation>
    </message>
    <message>
        <source>Режимы пуска</source>
        <translation>Start modes</translation>
    </message>
    <message>
        <source>Настройки ЧРП</source>
        <translation>VSD settings</translation>
    </message>
    <message>
        <source>Настройка U/f</source>
        <translation>U/f setting</translation>
    </message>
    <message>
        <source>Подавление резонанса</source>
        <translation>Resonance suppression</translation>
    </message>
    <message>
        <source>Векторный режим</source>
        <translation>Vector mode</translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП</source>
        <translation>VSD service menu</translation>
    </message>
    <message>
        <source>Параметры связи с ЧРП</source>
        <translation>VSD link parameters</translation>
    </message>
</context>
<context>
    <name>VsdOptionsForm</name>
    <message>
        <source>Настройки ЧРП</source>
        <translation>VSD settings</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Внимание!
Для вентильного двигателя этот тип управления не рекомендуется</source>
        <translation>Attention!
This control type is not recommended for a PM motor</translation>
    </message>
</context>
<context>
    <name>VsdResonanceForm</name>
    <message>
        <source>Подавление резонанса</source>
        <translation>Resonance suppression</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Момент</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
</context>
<context>
    <name>VsdServiceAdditionalForm</name>
    <message>
        <source>Дополнительные параметры</source>
        <translation>Additional parameters</translation>
    </message>
    <message>
        <source>Гц/с</source>
        <translation>Hz/s</translation>
    </message>
</context>
<context>
    <name>VsdServiceHardwareForm</name>
    <message>
        <source>Аппаратура ЧРП</source>
        <translation>VSD hardware</translation>
    </message>
    <message>
        <source>Гармонические</source>
        <translation>Harmonic</translation>
    </message>
    <message>
        <source>Действующее</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Базовая</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Прочая</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation>VSD controller test mode</translation>
    </message>
    <message>
        <source>Сбросить прокси</source>
        <translation>Reset the proxy</translation>
    </message>
</context>
<context>
    <name>VsdServiceIndicationParamForm</name>
    <message>
        <source>Индикация параметров</source>
        <translation>Parameter indication</translation>
    </message>
    <message>
        <source>Гарм/вект. ток фазы</source>
        <translation>Harm./vect. phase current</translation>
    </message>
</context>
<context>
    <name>VsdServiceIndicationTemperatureForm</name>
    <message>
        <source>Индикация температур</source>
        <translation>Temperature indication</translation>
    </message>
</context>
<context>
    <name>VsdServiceMenu</name>
    <message>
        <source>Сервисное меню ЧРП</source>
        <translation>VSD service menu</translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation>Reset to Default</translation>
    </message>
    <message>
        <source>Индикация параметров</source>
        <translation>Parameter indication</translation>
    </message>
    <message>
        <source>Дополнительные параметры</source>
        <translation>Additional parameters</translation>
    </message>
    <message>
        <source>Слова состояния</source>
        <translation>Status words</translation>
    </message>
    <message>
        <source>Контроль температуры</source>
        <translation>Temperature control</translation>
    </message>
    <message>
        <source>Индикация температур</source>
        <translation>Temperature indication</translation>
    </message>
    <message>
        <source>Аппаратура ЧРП</source>
        <translation>VSD hardware</translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation>VSD</translation>
    </message>
    <message>
        <source>РВК</source>
        <translation>RVK</translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation>Reset default settings?</translation>
    </message>
    <message>
        <source>Ожидание применения...</source>
        <translation>Waiting to apply...</translation>
    </message>
</context>
<context>
    <name>VsdServicePswForm</name>
    <message>
        <source>Слова состояния</source>
        <translation>Status words</translation>
    </message>
    <message>
        <source>Сохранённое</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>VsdTemperatureForm</name>
    <message>
        <source>Контроль температуры</source>
        <translation>Temperature control</translation>
    </message>
    <message>
        <source>Только все</source>
        <translation>All only</translation>
    </message>
    <message>
        <source>До последнего</source>
        <translation>Down to the last</translation>
    </message>
    <message>
        <source>Критический</source>
        <translation>Critical</translation>
    </message>
</context>
<context>
    <name>VsdUfSettingForm</name>
    <message>
        <source>Настройка U/f</source>
        <translation>U/f setting</translation>
    </message>
</context>
<context>
    <name>VsdVectorForm</name>
    <message>
        <source>Векторный режим</source>
        <translation>Vector mode</translation>
    </message>
</context>
</TS>

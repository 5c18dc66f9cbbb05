<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ru_RU">
<context>
    <name>AnalogOutput1Form</name>
    <message>
        <source>Аналоговый выход 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalogOutput2Form</name>
    <message>
        <source>Аналоговый выход 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalogOutput3Form</name>
    <message>
        <source>Аналоговый выход 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalogOutput4Form</name>
    <message>
        <source>Аналоговый выход 4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalogOutputsMenu</name>
    <message>
        <source>Аналоговые выходы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоговый выход 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоговый выход 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоговый выход 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоговый выход 4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BaseEditWidget</name>
    <message>
        <source>Диапазон допустимых значений</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BaseForm</name>
    <message>
        <source>Для перемещения используйте стрелки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BypassContactorsForm</name>
    <message>
        <source>Не синхр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Норма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим ВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fбаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхр. выкл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вращение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uстаб</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЧРП не готов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uбаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизировать с сетью?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти с режима на режим?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionAI</name>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentIn</name>
    <message>
        <source>Корректировка токов на входе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentMotor</name>
    <message>
        <source>Корректировка токов двигателя</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentOut</name>
    <message>
        <source>Корректировка токов на выходе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentTrans</name>
    <message>
        <source>Корректировка токов трансформатора</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsForm</name>
    <message>
        <source>Корректировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка тока на входе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка напряжения на входе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка тока на выходе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка напряжения на выходе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка тока трансформатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка напряжения трансформатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка тока двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка напряжения двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsPage</name>
    <message>
        <source>Коэффициент AB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент CA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент UV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент VW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент WU</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageIn</name>
    <message>
        <source>Корректировка напряжений на входе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageMotor</name>
    <message>
        <source>Корректировка напряжений двигателя</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageOut</name>
    <message>
        <source>Корректировка напряжений на выходе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageTrans</name>
    <message>
        <source>Корректировка напряжений трансформатора</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountersForm</name>
    <message>
        <source>Счётчики</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrentParamsDhsForm</name>
    <message>
        <source>ТМС</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrentParamsMenu</name>
    <message>
        <source>Текущие параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двигатель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrentParamsMotorForm</name>
    <message>
        <source>Двигатель</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrentParamsSupplyForm</name>
    <message>
        <source>Сеть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateTimeEditWidget</name>
    <message>
        <source>Вверх и вниз: значение, влево и вправо: поле</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DhsConfigurationForm</name>
    <message>
        <source>Конфигурация ТМС</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DhsConnectForm</name>
    <message>
        <source>Связь с ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DhsMenu</name>
    <message>
        <source>ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры связи ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурация ТМС</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DhsSettingForm</name>
    <message>
        <source>Сброс PICv2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение статических параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить PICv2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmConnectForm</name>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmForm</name>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры связи счётчика электроэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание!
Отключена запись аварийных архивов
и защита чередования фаз</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnergyConsumptionForm</name>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс потреблёной активной электоэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить потребленую активную электоэнергию?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EquipmentMenu</name>
    <message>
        <source>Оборудование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двигатель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Насос</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейные выходы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоговые выходы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FiltersForm</name>
    <message>
        <source>Фильтры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита по перегреву фильтра отключена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HoleForm</name>
    <message>
        <source>Скважина</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Пробел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogEventForm</name>
    <message>
        <source>Журнал событий</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Для изменения остановите двигатель!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ожидание применения...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Главное меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Технологические настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записная книжка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainScreenForm</name>
    <message>
        <source>Состояние станции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для входа в меню нажмите Ввод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка отключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ожидание АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание!
Необходимо провести автоадаптацию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копирование архивов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копирование архивов не завершено: контроллер не ответил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копирование архивов завершено!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MasterMotorForm</name>
    <message>
        <source>Мастер выбора двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Габарит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обороты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не выбрано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание!
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет двигателя с заданными параметрами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание!
Значения двигателя вне допустимых пределов:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заданным параметрам соответствует несколько двигателей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для применения параметров остановите двигатель!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись параметров двигателя...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuTechnologForm</name>
    <message>
        <source>Настройка меню технолога</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>ModesMenu</name>
    <message>
        <source>Режимы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MotorForm</name>
    <message>
        <source>Двигатель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мастер выбора двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание!
Переключите автомат фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс=ТокСУ/Коэф.Транс.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookMenu</name>
    <message>
        <source>Записная книжка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скважина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Станция управления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsAccessForm</name>
    <message>
        <source>Доступ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Парольная защита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень доступа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Войти с уровнем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Войти</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDateTimeForm</name>
    <message>
        <source>Дата и время</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsLanguageForm</name>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCADA</source>
        <translation>SCADA</translation>
    </message>
    <message>
        <source>Доступ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ИБП</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsNetworkForm</name>
    <message>
        <source>Сеть</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Введите пароль уровня доступа %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный пароль</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressBarDialog</name>
    <message>
        <source>прошло</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PumpForm</name>
    <message>
        <source>Насос</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>доли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>км</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>см</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кг/м3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>г/см3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кВт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МВт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кВА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МВА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вар</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>квар</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мвар</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>об/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гц/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мГн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мм/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В/(об/мин)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кВт·ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МВт·ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вт·ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>квар·ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мвар·ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток фазы A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток фазы B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток фазы C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисб. токов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэф. мощн.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота турб.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопр.изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисб. напряж.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период записи в работе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период экстренной записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период записи ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальная мощность ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный ток ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальное напряжение ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сечение кабеля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рекомендуемое напряжение отпайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение отпайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Производительность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Глубина спуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие защиты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Минимальный коэффициент мощности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Максимальный ток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка останова минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Работа с пониженным сопротивлением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка пуска минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка останова максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие режима</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика Время работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика Время паузы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот Время F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот Недогруз F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот Время F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот Недогруз F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Начальная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Конечная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Период времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка автоматического перехода в меню &quot;Текущие параметры&quot; при срабатывании защит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Зависимость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Поддерживаемое значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Период регулирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Пропорциональный коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Интегральный коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Минимальная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Максимальная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание Периодичность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание Частота f1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание Темп увеличения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание Частота f2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание Темп уменьшения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Сопротивление при 20С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Сопротивление при 80С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Номинальный ток кабеля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Время нагрева</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Максимальное отклонение от U/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Шаг изменения напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Первый цикл после пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Периодичность оптимизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа Частота F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа Частота F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа Время F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Токоограничение Порог токоограничения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Токоограничение Задержка отключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>№ ЦДНГ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>№ Куст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>№ Скв.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Общее время работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущий простой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последнее включение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Причина последнего пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Последнее отключение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Причина последнего отключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предприятие изготовитель РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПО РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПО МС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПО ПЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата изготовления РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата установки ПО РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата генерации ПО РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата установки ПО ПЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предп.изг.СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводской номер СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата изгот.СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Протокол обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Четность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп-бит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка ответа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виброускорение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс всех СчтчАПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс уставок во всех защитах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит по сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты по сети Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уста.по.умол.?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс счетчиков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз Прогрессивная задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз Прогрессивная задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменение частоты (ВНР) Начальная уставка ЗСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Время толчков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Время между толчками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Количество</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Частота прямая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Количество</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Давление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Температура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Аналоговый вход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность выходного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное индуктивное сопротивление фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение короткого замыкания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота питающей сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип счётчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение AB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение BC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение CA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Входной фильтр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходной фильтр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмкость выходного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение питающей сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальное рабочее напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прогресс операции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объём операции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание. Количество</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кол-во разрешенных АПВ после других защит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты сети зад. АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период автоматического переключения окон в меню &quot;Текущие параметры&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП. Сброс значения уставок по умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная рабочая частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таймер контроллера SL. Предел тока (13-20.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с ЧРП - быстрые архивы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Падение напряжения на кабеле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Падение напряжения на фильтре</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Частота толчка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Угол качания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Количество оборотов двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Кратность напряжения импульса расклинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Токоограничение в режиме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Порог токоограничения импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Частота толчка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Угол качания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Количество качаний на угол</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Количество оборотов двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Кратность напряжения импульса расклинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Токоограничение в режиме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Порог токоограничения импульса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие по сигналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчётное напряжение двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип входа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимум шкалы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум шкалы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код аварии ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранять в архивах отказы датчиков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число начала расчётного периода в месяце</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полная загрузка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчётное время до отключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измерение токов ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маска подсети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гарантированный пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущий недогруз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный ток СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N контроллера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Качество связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик запросов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счетчик ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счетчик некорректных ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик ошибок контрольной суммы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик ошибок устройства</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик потерянных ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум параметров в одном запросе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Приращение сопротивления статора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Снижение частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спецалгоритмы Zazarere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Минимальное сопротивление изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Наработка с момента первичного запуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Максимальная мощность двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Снижение частоты между попытками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Начальная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Конечная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Темп изменения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота синхронизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время синхронизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Время работы на пониженной частоте</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущая уставка по току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Лимит наработки с момента первичного запуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Кратность перегрузки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль двигателя в ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Смещение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Знак смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. F ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Время ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Время разгона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Время торм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удельная ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние KM1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние KM2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямой пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 6 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 6 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 7 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 7 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 8 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 8 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 6 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 7 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 8. Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурации. Сброс всех уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 5 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 5 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 5 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 6 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 7 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 8 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калибровка. Смещение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калибровка. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калибровка. Коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 5 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик температура фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка пуска максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. кол. циклов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа. Уставка активации режима</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим &quot;мягкого&quot; пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период записи ТМС первый час после останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Источник</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Автовыбор источника</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Пересчитывать границы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Восстанавливать характеристику U/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Первый шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Изменение тока для принятия решения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Период усреднения тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения Начало цикла после возврата характеристики U/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение UV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение VW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение WU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток фазы U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток фазы V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток фазы W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полное сопротивление фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активное сопротивление фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Погонная индуктивность кабеля на км</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура жидкости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭДС по модели</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат вывода напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Загрузка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Мощность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сжать архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние архива</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размер сжатого архива</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимум шкалы. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимум шкалы. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка останова минимум. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка останова максимум. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка пуска минимум. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка пуска максимум. Ось смещения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная яркость дисплея</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная яркость дисплея</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭДС по паспортным данным</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Отклонение ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощность короткого замыкания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение Коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Уставка останова по ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация.Запуск после автоадаптации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация.Время измерения тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Время контроля специальных алгоритмов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название входа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Данные автоадаптации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Металл кабеля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметр для расчёта индуктивности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нефтяная компания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кратность пускового момента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная пусковая частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Граничная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допустимый предел насыщения ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковая частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура поверхности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активное сопротивление фазы фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Разрешено попыток подхвата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация времени с NTP сервером</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период синхронизации времени с NTP сервером</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес NTP сервера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время отключения РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время отключения GUI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время отключения подсветки дисплея</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часовой пояс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Предел тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоматический переход на следующий параметр после редактирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плотность нефти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плотность воды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обв., %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Глубина скваж. До ИП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Искусств. забой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удлин. ЭК до ИЗ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр НКТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина стенки НКТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр ЭК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина стенки ЭК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Динамический уровень</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Устьевое давление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затрубное давление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линейное давление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отладочные сообщения телемеханики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Частота ШИМ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Нижняя граница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Верхняя граница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Делитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Мин. шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время Rиз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Частота обратная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Предел тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Уставка токоограничения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Время разгона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Время торможения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Время толчка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка. Период подсчета циклов прокачки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Задержка на токоограничение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Снижение рабочего тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автонастройка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автонастройка. Частота ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Источник тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие при подключении USB носителя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент сглаживания момента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период записи в останове</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Расход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник входных напряжений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнализация отклонения рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отображение форм модели работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использовать данные модели</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Частота ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Время работы на частоте ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Время разгона до частоты ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Время торможения с частоты ожидания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Толчковый. Частота толчков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Толчковый. Время толчков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Толчковый. Время между толчками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Толчковый. Количество толчков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Толчковый. Напряжение толчков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Частота прямая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Частота обратная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Время раскачки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Время разгона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Время торможения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Количество циклов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Раскачка. Напряжение раскачки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Частота нижняя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Частота верхняя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Максимальное число циклов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Порог отключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Время фиксации недогруза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Снижение напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Шаги возврата напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Частота возврата напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Время разгона после разворота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения при холостом ходе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Уставка холостого хода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знак температуры прогрева</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка связи с термодатчиками</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловая защита радиаторов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловая защита по воздуху</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловая защита тиристоров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловая защита реактора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Период записи в работе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.4 Температура включения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.4 Температура отключения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единицы измерения мощность двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единицы измерения сечения кабеля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз. Не учитывать коэффициентов мощности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение cos при холостом ходе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя ЦДНГ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя куста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя Скв.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использовать имя скважины/куста/месторождения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка на чтение после записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Уставка тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню технолога</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню.Параметр 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Использовать настройки из меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра.Тип регулирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка включения контактора входного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка выключения контактора входного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время между контролем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество ошибок контроля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество шагов снижения напряжения до 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика Zazarere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика Zazarere. Время работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика Zazarere. Время паузы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика Zazarere. Минимальное давление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП. Сохранить значения уставок?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество стоп бит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ожидание ответа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер канала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время контроля потери связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество потерь связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время тишины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибки Flash ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа Время F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время F - F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время F1 - F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время F2 - F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расширенные настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время изменения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. деактивация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа. Использовать уставку недогруза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа. Анализ загрузки после каждого цикла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авария СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время задержки срабатывания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время удержания реле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Учитывать дату изготовления СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокирововать кнопки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шлюз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставки останова двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Время увеличения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Время уменьшения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Шаг изменения частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип калибровки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аварийная кнопка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запуск и останов по SCADA в ручном режиме работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие защиты максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка АПВ максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вых. частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вых. напряж.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип управления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напр.вращения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная мощн.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Полная мощн.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальная мощность ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальное напряжение ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный ток ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальная скорость ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальная частота ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный коэффициент мощности ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность по оси d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество пар полюсов ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время разгона</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время торможен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристика U/f</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент отображения тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурация разъема платы расширения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние дискретных выходов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние дискретных входов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маска включения выходов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маска выключения выходов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура включения вентилятора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура выключения вентилятора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период проверки температуры вентилятора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измерение мощности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота удержания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Темп снижения частоты при токоограничении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Темп снижения частоты при нехватке напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Напряжение форсировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Частота форсировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсации нагрузки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент частотного контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интегральный коэффициент частотного контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент перехода с вектора на U/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП (128)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интегральный коэффициент фазового контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения по амплитуде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация фазы выходного напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 тиристора дравера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальное напряжение DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 тиристора дравера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковая частота ВПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент фазового контура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент подавления резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начальная частота подавления резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фаза выходного тока B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фаза выходного тока C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Время торможения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение окончания разряда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Начальная частота режима остановки турбинного вращения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Измерительный ток автонастройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация. Измерительное напряж. автонастройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фаза выходного тока A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фаза тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выходной ток ПЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порог ограничителя по действующему току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Делитель частоты работы ограничителя тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол фиксации вектора в режиме OVERPWM2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная времени режима OVERPWM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение подхвата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный ток ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб измерения напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб измерения тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чувствительность ограничителя по току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время разгона до номинал. частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время торм. с номинал. частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление статора</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная времени системы подавления резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный ток при низкой скорости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пуска вентильного двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Функция при остановке</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длительность действия тока (2-07)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ограничение момента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя (4-18)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальная скорость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота ШИМ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сверхмодуляция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальное напряжение DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим сброса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ПЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка перед выключение при пределе моменте</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время фильтра регулятора предела по току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация напряжения постоянного тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Управление вентилятором</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tемпер. igbt 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время применения высокого пускового момента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковой ток в % от номинального</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Ubс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Udc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф.коррек.тока Idc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф.коррек.показ.напряж.Uвых</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Омическое сопротивление фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нижний предел регулирования для ВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верхний предел регулирования для ВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальный угол положения ротора для ВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стабилизация выходного напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвиг контроллера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдвиг ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип торможения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная доб. верхнего предела для ВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение входное линейное Ubc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура выходного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура выходного фильтра 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник U/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура пласта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэф.МТЗ мотор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимально допустимое отклонение частоты векторного режима</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интегральный коэффициент подавления резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вых. Мгновенная мощность</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип подавления резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 тиристора драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 тиристора драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 платы измерений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 платы измерений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 платы измерений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т воздуха драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т воздуха драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущий коэффициент регулирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущий угол дельта тета положения ротора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловая защита IGBT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тепловая защита отсека электроники</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим работы термодатчиков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мониторы питания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковое напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс. время токоограничения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действующий ток фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент нормиров. хар-ки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среднее значение вх. Напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавка уровня токоограничения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суммарное выходное сопротивление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность на выходе СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уставка перегрузки по току ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация с сетью</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда перехода с режима на режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состояние перехода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент коррекции Riz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальный ток ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковой ток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэфф. трансформации трансформаторов выходного тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т4 платы измерений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снижение частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение угла расчета Id конечное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стартовый угол в режиме регулятора угла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент демпфирования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущее значение тока Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип векторного управления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковой коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время старта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Косинус срыва синхронизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контроль срыва синхронизации по косинусу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусковое время для контроля срыва синхронизации по косинусу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стартовый ток ВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура прогрева</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура включения обдува реактора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение датчика тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Просадка напряжения DC до нуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регистр управления прокси</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокировка двери Отключение питания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность для расчетов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нормирование времени</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регистр управления proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость порта ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень рассогласования тока в ветвях фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармонический анализ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация нагрузки на низкой скорости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Компенсация нагрузки на высокой скорости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трансформации входных токов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение угла расчёта Id начальное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура входного фильтра или фильтра DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Управление ШИМ при просадках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P на приёме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т обм. двиг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т на приёме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gx двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gy двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gz двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Р на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gху двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gхуz двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс.Рвх</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная температура обмотки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная температура на приёме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальное ускорение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ связи ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код изготовителя ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Серийный номер ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата изготовления ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код конструкции ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код протокола ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Состав датчиков ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПО ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длительность периода передачи одного бита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код завода изготовителя ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заводской номер ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата изготовления ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код конструкции ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПО ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код протокола ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальный расход на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальное давление на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Максимальная температура на выкиде</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время измерения сопротивления изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время измерения данных и передачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время перехода в режим измерения сопротивления изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер скважины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер куста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер ЦДНГ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес Modbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость Modbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество Стоп-бит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текущее дата время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда чтения статических параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Количество ошибок от ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Т масла двиг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зенитный угол двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обводненность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vxy насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vz насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зенитный угол насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vxy двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vz двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибочные транзакции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удачные транзакции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счетчик последнего успешно принятого кадра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время последнего пакета</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конфигурация погружного блока ТМС Электон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сл.сост ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип датчика давления для ТМСН-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Единицы измерения для давления ТМСН-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P на приёме точное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Статус загрузки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип погружного оборудования</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Актив. утечки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пассив. утечки</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс пассивных утечек тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время режима RSR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включение режима RSR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Служебная информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип кадра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время определения отказа связи с ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время сброса ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс питания ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vt</source>
        <translation>Vt</translation>
    </message>
    <message>
        <source>Счетчик потерянных кадров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Накопленный расход, м3/ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Накопленный расход, м3/сут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звезда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проводимость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задержка между запросами к ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Общая активная энергия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная энергия за текущий день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий день</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная энергия за текущий месяц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий месяц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент трансформации тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Активная энергия за текущий год</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мкс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сс:мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мм:сс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>чч:мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>чч:мм:сс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кОм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МОм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мОм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>атм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ат</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бар</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кПа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м/с2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мм/с2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м3/ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>барр/сут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>барр/ч</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Л.С.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МПа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кг/см2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>м3/сут</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контактный манометр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авария реле контроля фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разрешение на запуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аварийное отключение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Откл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Однократно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Постоянно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масло</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авто</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>УКИ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минус</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Откл. пит.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Валдрин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эталон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Асинхронный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вентильный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Векторное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следование</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,5 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2,5 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3,5 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16,0 кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суммарная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раздельная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реверс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кнопка оператора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 - 20 мА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - 4 В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не выбран</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виброскорость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Алюминий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инд. сопр. фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инд. по осям</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3000 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВДМ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВВД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3600 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6000 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8500 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12000 Об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СЭТ-4ТМ03</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ГРАН СС-301-5.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПСЧ-4ТМ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фазное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линейное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - 10 В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СУ готова к запуску</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалённое управление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ручной/Авто</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регион 3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Регион 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RUZEVA-ЗС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Универсал 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плавный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбегом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линейная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Квадратичная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обр. квадр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По точкам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мин.ток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основной</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резервный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На входе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На выходе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Русский</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нечёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеряна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановлена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Останов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Медь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индуктивность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Алмаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Борец СПТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Электон ТМСН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ИРЗ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Орион</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Триол</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СНГ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РН-Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оператор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снижение питания сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превышение питания сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перекос фаз сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Взлом СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таймер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМС. Нет связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmin на приёме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmax на приёме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превышение вибрации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ток утечки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аварийный стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авария ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодический режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Телеуправление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обрыв фазы двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение питания сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинивание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смена режима работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев масла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Низкое сопротивление изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка часов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Счётчик. Нет связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снижение частоты сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превышение частоты сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЧРП. Нет связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев трансформатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превышение числа пусков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmax на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tmax на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чередование фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обрыв датчика тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Низкое напряжение звена DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высокое напряжение звена DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замыкание на землю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрузка ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неисправность вентилятора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авария ИБП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыта дверь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение при пуске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка синхронизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неуспешный пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Низкий уровень жидкости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Газ на приёме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снижение дебита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря подачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка плавного пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка внешнего контроллера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Байпас</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внешний останов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включение питания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановление питания сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоматический перезапуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание давления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Встряхивание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ после турбинного вращения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по сопротивлению изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по недогрузу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегрузу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по напряжению</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смена направления вращения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по дисбалансу напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ после аварии ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегреву ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск в периодическом режиме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 1 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 2 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по телеуправлению</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по обрыву фазы двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после отключения питания сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ после заклинивания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после сброса параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск при смене режима работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегреву масла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по низкому сопротивлению изоляции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после ошибки памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после ошибки часов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после восстановления связи со счётчиком</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по снижению частоты сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по превышению частоты сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 1 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 2 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с сервисной программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с командной консоли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после калибровки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отложенный пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после снятия блокировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после перезагрузки ПО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после загрузки конфигурации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после автоадаптации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после автонастройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с подхватом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с раскачкой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с синхронизацией</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с пропуском резонансных частот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плавный пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по спецалгоритму</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск в режиме чередования частот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск в режиме ВНР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск в режиме поддержания параметра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск в режиме оптимизации напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск в режиме токоограничения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после встряхивания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после прокачки газа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск при работе от ИБП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после возврата питания с ИБП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после переключения байпаса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после сброса аварии ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск по разрешению на запуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после аварийного останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после ошибки параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после смены направления вращения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 3 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 4 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 3 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 4 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по пределу тока двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по рассинхронизации ПВЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по аппаратным защитам ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после восстановления связи с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по дисбалансу входных токов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегреву трансформатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после блокировки по числу пусков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по минимальному расходу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Pmax на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегреву фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по Tmax на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после восстановления чередования фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после восстановления датчика тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по низкому напряжению звена DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по высокому напряжению звена DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ после замыкания на землю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегрузке ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по перегреву радиатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после ремонта вентилятора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после аварии ИБП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после закрытия двери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после окончания турбинного вращения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторный пуск после ошибки синхронизации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторный пуск после неуспешного</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после накопления жидкости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после удаления газа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по снижению дебита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по потере подачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повторный плавный пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск от внешнего контроллера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск через байпас</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после внешнего останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск после обновления ПО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С раскачкой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С синхронизацией</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск резонансных частот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>С увеличенным моментом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Спецалгоритм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мягкий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрузка по току</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Короткое замыкание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перенапряжение звена DC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обрыв входной фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрузка инвертора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет связи с платой управления</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка датчика тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неисправность IGBT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внутренняя ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высокая температура радиатора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Низкое напряжение сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высокое напряжение сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел момента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высокая температура платы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет связи по резервному каналу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный тип пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты по аналоговым входам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты по цифровым входам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита от открытия двери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 
 или 
 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Для включения защиты включите: 
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита от превышения числа пусков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приеме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты по ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты по сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защиты прочие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита открытия двери станции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита от потери связи с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита от перегрева фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ИзмПарам</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение: ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>АПВ по защите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск запрещён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокировка по защите</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блокировка двери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет питания сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифровой вход 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз двигателя (защита ЧРП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение (защита ЧРП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя (защита ЧРП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение (защита ЧРП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Низкое напряжение шины (защита ЧРП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmax критическое на приёме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД (защита ЧРП)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение питания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезагрузка ПО</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение. Окончание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим программного изменения частоты отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим чередования частот отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пуска толчками отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пуска раскачкой отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим подхвата турбинного вращения отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим автоадаптации отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение СЭ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение СЭ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрано наличие выходного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрано отсутствие выходного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копирование архивов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаление архивов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаление служебных архивов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись аварийного архива</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: Превышение числа пусков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим работы: Ручной</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим работы: Автоматический</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим работы: По программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим встряхивания частота F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим встряхивания частота F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запуск автоадаптации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация к ТМПН векторного управления успешно завершена. Подобранное сопротивление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация к ТМПН векторного управления не завершена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск F. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск F. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск F. Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропуск F. Прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пропуска резонансных частот отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация. Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пуска с синхронизацией отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Ошибка задания параметра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толчковый. Прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Раскачка. Прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрано наличие входного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрано отсутствие входного фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подхват. Прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстановление связи с ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ связи с ТМСП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик давления на приёме насоса в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика давления на приёме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик температуры на приеме насоса в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика температуры на приеме насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик температуры обмотки ПЭД в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура обмотки ПЭД. Отказ датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик температуры масла ПЭД в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика температуры масла ПЭД</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик вибрации по оси X в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик вибрации по оси Y в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик вибрации по оси Z в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик давления на выкиде насоса в НКТ в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика давления на выкиде насоса в НКТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик давления на выкиде насоса, затрубное в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика давления на выкиде насоса, затрубное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик температуры на выкиде насоса в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика температуры на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик расхода жидкости на выкиде насоса в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика расхода жидкости на выкиде насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик обводненности в норме</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отказ датчика обводненности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямой пуск. Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямой пуск. Завершение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямой пуск. Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямой пуск. Отключён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрано наличие байпасных контакторов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрано отсутствие байпасных контакторов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение конфигурации на USB накопитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка конфигурации c USB накопителя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс счётчиков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс уставок ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМС. Сброс счётчиков качества связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЧРП. Сброс счётчиков качества связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СЭ. Сброс счётчиков качества связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. Начало цикла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа от ИБП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения завершена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения возврат характеристики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оптимизация напряжения прервана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Останов двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сработала защита: Чередование фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом завершен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим пуска с увеличенным моментом отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом прерван</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация. Прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим встряхивания завершен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим чередования частот частота F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим чередования частот частота F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя прерван</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отложенный пуск: запуск запрещён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отложенный пуск: попытка запуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Активация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Отключение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zazarere. Прервано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пркч. Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда пуск двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка готовности аварийных архивов ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА снижение частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Реж.раб.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Глубина спуска насоса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. фаз Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка останова минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Время минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Останов мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пуск мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Останов макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Время минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Останов мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пуск мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Останов макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Время минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Останов мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пуск мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Останов макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Время минимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Останов мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пуск мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Останов макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превышение числа пусков Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превышение числа пусков Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Периодика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. частот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поддержание параметра Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прокачка газа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Токоограничение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока фазы U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока фазы V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока фазы W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Черед. фаз Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Турбинное вращение Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рвх.нас. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопр.изоляции. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двиг. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U КЗ ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип счётчика электроэнергии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ёмк. вых. фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напряж. Сети</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс. рабочее U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппарат.защиты ЧРП. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс. рабочая частота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автоадаптация.Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока на входе A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока на входе B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока на входе C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинал. ток СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зав.№ СУ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с ТМС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отложенный пуск Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Превыш.пусков Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мин. расход Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП). Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.1 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.2 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.3 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.4 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев фильтра Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев фильтра Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев фильтра Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев фильтра Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Подхват. Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удел. ЭДС</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Смещ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Коэф.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Датчик темп. Фильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМС. Интерфейс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Ед. изм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Ед. изм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Ед. изм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Ед. изм.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пуск макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пуск макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пуск макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пуск макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Период записи ТМС после останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМПН Полное сопротивление фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМПН Активное сопротивление фазы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТМПН Погонная индуктивность кабеля на км</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак останова мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак останова макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак пуска мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак пуска макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак останова мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак останова макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак пуска мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак пуска макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак останова мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак останова макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак пуска мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак пуска макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак останова мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак останова макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак пуска мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак пуска макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Положение датчика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автонастройка.Состояние</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение питания сети Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Повышенное напряжение Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сопротивление изоляции Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вибрация двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимальный расход Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предел тока двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев фильтра Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перегрев радиатора. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП). Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Прокачка газа. Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 1 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 2 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 3 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 4 Тип</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 1 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 2 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 3 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 4 Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 1 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 2 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 3 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 4 Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 1 Макc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 2 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 3 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вых. 4 Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СА Недогруз (ЗСП). Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Время между контролем ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Адрес</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Скорость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Четность</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Стоп-бит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Ожидание ответа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Повторы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Номер канала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Время контроля потери связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Количество потерь связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь ЧРП. Время тишины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.5 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.6 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.7 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.8 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.9 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.10 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.11 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.12 уст.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.1 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.2 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.3 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.4 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.5 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.6 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.7 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.8 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.9 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.10 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.11 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.12 Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.1 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.2 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.3 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.4 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.5 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.6 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.7 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.8 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.9 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.10 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.11 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.12 Задержка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.1 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.2 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.3 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.4 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.5 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.6 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.7 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.8 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.9 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.10 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.11 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный вых.12 Удержание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Тип сигнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сброс АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сигнализация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёмеПусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёмеВремя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёмеЗадержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёмеРазрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёме Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёме Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёме Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёме Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Температура на приёме. Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка останова максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Пусковое время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Время</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Задержка АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Разрешено АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сброс счётчиков АПВ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Уставка останова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Уставка пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сигнализация об отклонении от рабочих параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сброс уставок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 1 Время максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 2 Время максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 3 Время максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ан. вх. 4 Время максимум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Направ.вращ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пониженное напряжение Снижение частоты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал событий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить сервисный архив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаление архивов не завершено: контроллер не ответил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удаление служебных архивов не завершено: контроллер не ответил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мм2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кГц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гц</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Цифр. вх. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions10Form</name>
    <message>
        <source>Релейный выход 10</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions11Form</name>
    <message>
        <source>Релейный выход 11</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions12Form</name>
    <message>
        <source>Релейный выход 12</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions1Form</name>
    <message>
        <source>Релейный выход 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions2Form</name>
    <message>
        <source>Релейный выход 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions3Form</name>
    <message>
        <source>Релейный выход 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions4Form</name>
    <message>
        <source>Релейный выход 4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions5Form</name>
    <message>
        <source>Релейный выход 5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions6Form</name>
    <message>
        <source>Релейный выход 6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions7Form</name>
    <message>
        <source>Релейный выход 7</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions8Form</name>
    <message>
        <source>Релейный выход 8</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions9Form</name>
    <message>
        <source>Релейный выход 9</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptionsForm</name>
    <message>
        <source>Любая</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptionsMenu</name>
    <message>
        <source>Релейные выходы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunningModeMenu</name>
    <message>
        <source>Режимы пуска</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Синхронизация с контроллером...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синхронизация с контроллером: %1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationForm</name>
    <message>
        <source>Станция управления</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsForm</name>
    <message>
        <source>Статистика</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TechnologParamsMenu</name>
    <message>
        <source>Технологические настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Корректировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройка меню технолога</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransForm</name>
    <message>
        <source>ТМПН</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpsForm</name>
    <message>
        <source>ИБП</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdConnectForm</name>
    <message>
        <source>Связь с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применить настройки порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdMenu</name>
    <message>
        <source>ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режимы пуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройка U/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подавление резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Векторный режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры связи с ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdOptionsForm</name>
    <message>
        <source>Настройки ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Откл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внимание!
Для вентильного двигателя этот тип управления не рекомендуется</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdResonanceForm</name>
    <message>
        <source>Подавление резонанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Момент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdServiceAdditionalForm</name>
    <message>
        <source>Дополнительные параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гц/с</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdServiceHardwareForm</name>
    <message>
        <source>Аппаратура ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гармонические</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действующее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Откл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Авария</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Базовая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочая</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить прокси</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdServiceIndicationParamForm</name>
    <message>
        <source>Индикация параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гарм/вект. ток фазы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdServiceIndicationTemperatureForm</name>
    <message>
        <source>Индикация температур</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdServiceMenu</name>
    <message>
        <source>Сервисное меню ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индикация параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дополнительные параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Слова состояния</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контроль температуры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Индикация температур</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратура ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЧРП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РВК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ожидание применения...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdServicePswForm</name>
    <message>
        <source>Слова состояния</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранённое</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdTemperatureForm</name>
    <message>
        <source>Контроль температуры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Только все</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>До последнего</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Критический</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdUfSettingForm</name>
    <message>
        <source>Настройка U/f</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VsdVectorForm</name>
    <message>
        <source>Векторный режим</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

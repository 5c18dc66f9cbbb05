<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ru_RU">
<context>
    <name>AnalogOutput1Form</name>
    <message>
        <source>Аналоговый выход 1</source>
        <translation>Salida analógica 1</translation>
    </message>
</context>
<context>
    <name>AnalogOutput2Form</name>
    <message>
        <source>Аналоговый выход 2</source>
        <translation>Salida analógica 2</translation>
    </message>
</context>
<context>
    <name>AnalogOutput3Form</name>
    <message>
        <source>Аналоговый выход 3</source>
        <translation>Salida analógica 3</translation>
    </message>
</context>
<context>
    <name>AnalogOutput4Form</name>
    <message>
        <source>Аналоговый выход 4</source>
        <translation>Salida analógica 4</translation>
    </message>
</context>
<context>
    <name>AnalogOutputsMenu</name>
    <message>
        <source>Аналоговые выходы</source>
        <translation>Salidas analógicas</translation>
    </message>
    <message>
        <source>Аналоговый выход 1</source>
        <translation>Salida analógica 1</translation>
    </message>
    <message>
        <source>Аналоговый выход 2</source>
        <translation>Salida analógica 2</translation>
    </message>
    <message>
        <source>Аналоговый выход 3</source>
        <translation>Salida analógica 3</translation>
    </message>
    <message>
        <source>Аналоговый выход 4</source>
        <translation>Salida analógica 4</translation>
    </message>
</context>
<context>
    <name>BaseEditWidget</name>
    <message>
        <source>Диапазон допустимых значений</source>
        <translation>Rango de valores permitidos</translation>
    </message>
</context>
<context>
    <name>BaseForm</name>
    <message>
        <source>Для перемещения используйте стрелки</source>
        <translation>Use las flechas para desplazarse</translation>
    </message>
</context>
<context>
    <name>BypassContactorsForm</name>
    <message>
        <source>Не синхр.</source>
        <translation>No sincr.</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Режим ВД</source>
        <translation>Modo motor PM</translation>
    </message>
    <message>
        <source>Fбаз</source>
        <translation>Fbase</translation>
    </message>
    <message>
        <source>Синхр. выкл</source>
        <translation>Sincr. desact.</translation>
    </message>
    <message>
        <source>Вращение</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation>Sec. fases</translation>
    </message>
    <message>
        <source>Uстаб</source>
        <translation>Uestab</translation>
    </message>
    <message>
        <source>ЧРП не готов</source>
        <translation>VSD no listo</translation>
    </message>
    <message>
        <source>Uбаз</source>
        <translation>Ubase</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Contactores de bypass</translation>
    </message>
    <message>
        <source>Синхронизировать с сетью?</source>
        <translation>¿Sincronizar con la red?</translation>
    </message>
    <message>
        <source>Перейти с режима на режим?</source>
        <translation>¿Cambiar de modo a modo?</translation>
    </message>
</context>
<context>
    <name>CorrectionAI</name>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation>Corrección de entradas analógicas</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentIn</name>
    <message>
        <source>Корректировка токов на входе</source>
        <translation>Corrección de corrientes de entrada</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentMotor</name>
    <message>
        <source>Корректировка токов двигателя</source>
        <translation>Corrección de corrientes del motor</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentOut</name>
    <message>
        <source>Корректировка токов на выходе</source>
        <translation>Corrección de corrientes de salida</translation>
    </message>
</context>
<context>
    <name>CorrectionsCurrentTrans</name>
    <message>
        <source>Корректировка токов трансформатора</source>
        <translation>Corrección de corrientes del transformador</translation>
    </message>
</context>
<context>
    <name>CorrectionsForm</name>
    <message>
        <source>Корректировки</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Корректировка тока на входе</source>
        <translation>Corrección de corriente de entrada</translation>
    </message>
    <message>
        <source>Корректировка напряжения на входе</source>
        <translation>Corrección de tensión de entrada</translation>
    </message>
    <message>
        <source>Корректировка тока на выходе</source>
        <translation>Corrección de corriente de salida</translation>
    </message>
    <message>
        <source>Корректировка напряжения на выходе</source>
        <translation>Corrección de tensión de salida</translation>
    </message>
    <message>
        <source>Корректировка тока трансформатора</source>
        <translation>Corrección de corriente del transformador</translation>
    </message>
    <message>
        <source>Корректировка напряжения трансформатора</source>
        <translation>Corrección de tensión del transformador</translation>
    </message>
    <message>
        <source>Корректировка тока двигателя</source>
        <translation>Corrección de corriente del motor</translation>
    </message>
    <message>
        <source>Корректировка напряжения двигателя</source>
        <translation>Corrección de tensión del motor</translation>
    </message>
    <message>
        <source>Корректировка аналоговых входов</source>
        <translation>Corrección de entradas analógicas</translation>
    </message>
</context>
<context>
    <name>CorrectionsPage</name>
    <message>
        <source>Коэффициент AB</source>
        <translation>Coeficiente AB</translation>
    </message>
    <message>
        <source>Коэффициент BC</source>
        <translation>Coeficiente BC</translation>
    </message>
    <message>
        <source>Коэффициент CA</source>
        <translation>Coeficiente CA</translation>
    </message>
    <message>
        <source>Коэффициент UV</source>
        <translation>Coeficiente UV</translation>
    </message>
    <message>
        <source>Коэффициент VW</source>
        <translation>Coeficiente VW</translation>
    </message>
    <message>
        <source>Коэффициент WU</source>
        <translation>Coeficiente WU</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageIn</name>
    <message>
        <source>Корректировка напряжений на входе</source>
        <translation>Corrección de tensión de entrada</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageMotor</name>
    <message>
        <source>Корректировка напряжений двигателя</source>
        <translation>Corrección de tensión del motor</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageOut</name>
    <message>
        <source>Корректировка напряжений на выходе</source>
        <translation>Corrección de tensión de salida</translation>
    </message>
</context>
<context>
    <name>CorrectionsVoltageTrans</name>
    <message>
        <source>Корректировка напряжений трансформатора</source>
        <translation>Corrección de tensión del transformador</translation>
    </message>
</context>
<context>
    <name>CountersForm</name>
    <message>
        <source>Счётчики</source>
        <translation>Contadores</translation>
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
        <translation>Valores actuales</translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation>Red</translation>
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
        <translation>Red</translation>
    </message>
</context>
<context>
    <name>DateTimeEditWidget</name>
    <message>
        <source>Вверх и вниз: значение, влево и вправо: поле</source>
        <translation>Arriba, abajo: valor; izq., der.: campo</translation>
    </message>
</context>
<context>
    <name>DhsConfigurationForm</name>
    <message>
        <source>Конфигурация ТМС</source>
        <translation>Configuración DHS</translation>
    </message>
</context>
<context>
    <name>DhsConnectForm</name>
    <message>
        <source>Связь с ТМС</source>
        <translation>Enlace con DHS</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Restablecer contadores</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>¿Restablecer los contadores de calidad de enlace?</translation>
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
        <translation>Parámetros DHS</translation>
    </message>
    <message>
        <source>Параметры связи ТМС</source>
        <translation>Parámetros de enlace DHS</translation>
    </message>
    <message>
        <source>Конфигурация ТМС</source>
        <translation>Configuración DHS</translation>
    </message>
</context>
<context>
    <name>DhsSettingForm</name>
    <message>
        <source>Сброс PICv2</source>
        <translation>Restablecer PICv2</translation>
    </message>
    <message>
        <source>Чтение статических параметров</source>
        <translation>Lectura de parámetros estáticos</translation>
    </message>
    <message>
        <source>Параметры ТМС</source>
        <translation>Parámetros DHS</translation>
    </message>
    <message>
        <source>Сбросить PICv2?</source>
        <translation>¿Restablecer PICv2?</translation>
    </message>
</context>
<context>
    <name>EmConnectForm</name>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation>Enlace con contador de energía</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Restablecer contadores</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>¿Restablecer los contadores de calidad de enlace?</translation>
    </message>
</context>
<context>
    <name>EmForm</name>
    <message>
        <source>Счётчик электроэнергии</source>
        <translation>Contador de energía</translation>
    </message>
    <message>
        <source>Параметры связи счётчика электроэнергии</source>
        <translation>Parámetros de enlace del contador de energía</translation>
    </message>
    <message>
        <source>Внимание!
Отключена запись аварийных архивов
и защита чередования фаз</source>
        <translation>¡Atención!
Registro de emergencia y protección de
secuencia de fases desactivados</translation>
    </message>
</context>
<context>
    <name>EnergyConsumptionForm</name>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation>Consumo de energía activa</translation>
    </message>
    <message>
        <source>Сброс потреблёной активной электоэнергии</source>
        <translation>Restablecer energía activa consumida</translation>
    </message>
    <message>
        <source>Сбросить потребленую активную электоэнергию?</source>
        <translation>¿Restablecer la energía activa consumida?</translation>
    </message>
</context>
<context>
    <name>EquipmentMenu</name>
    <message>
        <source>Оборудование</source>
        <translation>Equipos</translation>
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
        <translation>Contador de energía</translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Насос</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Релейные выходы</source>
        <translation>Salidas de relé</translation>
    </message>
    <message>
        <source>Аналоговые выходы</source>
        <translation>Salidas analógicas</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Contactores de bypass</translation>
    </message>
</context>
<context>
    <name>FiltersForm</name>
    <message>
        <source>Фильтры</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Защита по перегреву фильтра отключена</source>
        <translation>Protección de sobrecalentamiento del filtro desactivada</translation>
    </message>
</context>
<context>
    <name>HoleForm</name>
    <message>
        <source>Скважина</source>
        <translation>Pozo</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Пробел</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Ввод</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>LogEventForm</name>
    <message>
        <source>Журнал событий</source>
        <translation>Diario de eventos</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Ожидание применения...</source>
        <translation>Esperando aplicación...</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Главное меню</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Текущие параметры</source>
        <translation>Valores actuales</translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Оборудование</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation>Protecciones</translation>
    </message>
    <message>
        <source>Технологические настройки</source>
        <translation>Ajustes de proceso</translation>
    </message>
    <message>
        <source>Записная книжка</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>MainScreenForm</name>
    <message>
        <source>Состояние станции</source>
        <translation>Estado de la estación</translation>
    </message>
    <message>
        <source>Для входа в меню нажмите Ввод</source>
        <translation>Pulse Entrada para abrir el menú</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Marcha</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Задержка отключения</source>
        <translation>Retardo de disparo</translation>
    </message>
    <message>
        <source>Ожидание АПВ</source>
        <translation>Espera de rearranque</translation>
    </message>
    <message>
        <source>Блокировка</source>
        <translation>Bloqueo</translation>
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
        <translation>¡Atención!
Es necesario realizar la autoadaptación</translation>
    </message>
    <message>
        <source>Копирование архивов:</source>
        <translation>Copia de registros:</translation>
    </message>
    <message>
        <source>Копирование архивов не завершено: контроллер не ответил</source>
        <translation>Copia de registros incompleta: el controlador no respondió</translation>
    </message>
    <message>
        <source>Копирование архивов завершено!</source>
        <translation>¡Copia de registros completada!</translation>
    </message>
</context>
<context>
    <name>MasterMotorForm</name>
    <message>
        <source>Мастер выбора двигателя</source>
        <translation>Asistente de selección de motor</translation>
    </message>
    <message>
        <source>Габарит</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Обороты</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Не выбрано</source>
        <translation>No seleccionado</translation>
    </message>
    <message>
        <source>Нет данных</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Внимание!
</source>
        <translation>¡Atención!
</translation>
    </message>
    <message>
        <source>Нет двигателя с заданными параметрами</source>
        <translation>No hay motor con los datos indicados</translation>
    </message>
    <message>
        <source>Внимание!
Значения двигателя вне допустимых пределов:</source>
        <translation>¡Atención!
Valores del motor fuera de los límites permitidos:</translation>
    </message>
    <message>
        <source>Заданным параметрам соответствует несколько двигателей</source>
        <translation>Varios motores corresponden a los datos indicados</translation>
    </message>
    <message>
        <source>Для применения параметров остановите двигатель!</source>
        <translation>¡Para aplicar los datos, pare el motor!</translation>
    </message>
    <message>
        <source>Запись параметров двигателя...</source>
        <translation>Escribiendo datos del motor...</translation>
    </message>
</context>
<context>
    <name>MenuTechnologForm</name>
    <message>
        <source>Настройка меню технолога</source>
        <translation>Ajuste del menú del tecnólogo</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Да</source>
        <translation>Sí</translation>
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
        <translation>Asistente de selección de motor</translation>
    </message>
    <message>
        <source>Внимание!
Переключите автомат фильтра</source>
        <translation>¡Atención!
Conmute el interruptor automático del filtro</translation>
    </message>
    <message>
        <source>Макс=ТокСУ/Коэф.Транс.</source>
        <translation>Máx=I estación/Rel. transf.</translation>
    </message>
</context>
<context>
    <name>NotebookMenu</name>
    <message>
        <source>Записная книжка</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Скважина</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>Счётчики</source>
        <translation>Contadores</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Станция управления</source>
        <translation>Estación de control</translation>
    </message>
    <message>
        <source>Потребление активной электоэнергии</source>
        <translation>Consumo de energía activa</translation>
    </message>
</context>
<context>
    <name>OptionsAccessForm</name>
    <message>
        <source>Доступ</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Парольная защита</source>
        <translation>Protección por contraseña</translation>
    </message>
    <message>
        <source>Уровень доступа</source>
        <translation>Nivel de acceso</translation>
    </message>
    <message>
        <source>Войти с уровнем</source>
        <translation>Entrar con nivel</translation>
    </message>
    <message>
        <source>Войти</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>OptionsDateTimeForm</name>
    <message>
        <source>Дата и время</source>
        <translation>Fecha y hora</translation>
    </message>
</context>
<context>
    <name>OptionsLanguageForm</name>
    <message>
        <source>Язык</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Настройки</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>SCADA</source>
        <translation>SCADA</translation>
    </message>
    <message>
        <source>Доступ</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Сеть</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>ИБП</source>
        <translation>SAI</translation>
    </message>
</context>
<context>
    <name>OptionsNetworkForm</name>
    <message>
        <source>Сеть</source>
        <translation>Red</translation>
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
        <translation>Unidades</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Введите пароль уровня доступа %1</source>
        <translation>Introduzca la contraseña del nivel de acceso %1</translation>
    </message>
    <message>
        <source>Неверный пароль</source>
        <translation>Contraseña incorrecta</translation>
    </message>
</context>
<context>
    <name>ProgressBarDialog</name>
    <message>
        <source>прошло</source>
        <translation>transcurrido</translation>
    </message>
</context>
<context>
    <name>PumpForm</name>
    <message>
        <source>Насос</source>
        <translation>Bomba</translation>
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
        <translation>Corriente fase A</translation>
    </message>
    <message>
        <source>Ток фазы B</source>
        <translation>Corriente fase B</translation>
    </message>
    <message>
        <source>Ток фазы C</source>
        <translation>Corriente fase C</translation>
    </message>
    <message>
        <source>Дисб. токов</source>
        <translation>Desequil. corriente</translation>
    </message>
    <message>
        <source>Ток двигателя</source>
        <translation>Corriente del motor</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Коэф. мощн.</source>
        <translation>Factor de pot.</translation>
    </message>
    <message>
        <source>Частота турб.</source>
        <translation>Frecuencia turb.</translation>
    </message>
    <message>
        <source>Сопр.изоляции</source>
        <translation>Resist. aislamiento</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Режим пуска</source>
        <translation>Modo de arranque</translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation>Modo de operación</translation>
    </message>
    <message>
        <source>Дисб. напряж.</source>
        <translation>Desequil. tensión</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Valor actual</translation>
    </message>
    <message>
        <source>Цифр. вх. 1</source>
        <translation>ED 1</translation>
    </message>
    <message>
        <source>Цифр. вх. 2</source>
        <translation>ED 2</translation>
    </message>
    <message>
        <source>Цифр. вх. 3</source>
        <translation>ED 3</translation>
    </message>
    <message>
        <source>Цифр. вх. 4</source>
        <translation>ED 4</translation>
    </message>
    <message>
        <source>Период записи в работе</source>
        <translation>Período de registro en marcha</translation>
    </message>
    <message>
        <source>Период экстренной записи</source>
        <translation>Período de registro de emergencia</translation>
    </message>
    <message>
        <source>Период записи ТМС</source>
        <translation>Período de registro DHS</translation>
    </message>
    <message>
        <source>Номинальная мощность ТМПН</source>
        <translation>Potencia nominal SUT</translation>
    </message>
    <message>
        <source>Номинальный ток ТМПН</source>
        <translation>Corriente nominal SUT</translation>
    </message>
    <message>
        <source>Номинальное напряжение ТМПН</source>
        <translation>Tensión nominal SUT</translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation>Longitud del cable</translation>
    </message>
    <message>
        <source>Сечение кабеля</source>
        <translation>Sección del cable</translation>
    </message>
    <message>
        <source>Рекомендуемое напряжение отпайки</source>
        <translation>Tensión de toma recomendada</translation>
    </message>
    <message>
        <source>Напряжение отпайки</source>
        <translation>Tensión de toma</translation>
    </message>
    <message>
        <source>Тип ТМС</source>
        <translation>Tipo de DHS</translation>
    </message>
    <message>
        <source>Производительность</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>Напор</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Глубина спуска</source>
        <translation>Profundidad de instalación</translation>
    </message>
    <message>
        <source>Действие защиты</source>
        <translation>Acción de la protección</translation>
    </message>
    <message>
        <source>Пусковое время</source>
        <translation>Tiempo de arranque</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Tiempo de disparo</translation>
    </message>
    <message>
        <source>Задержка АПВ</source>
        <translation>Retardo de rearranque</translation>
    </message>
    <message>
        <source>Разрешено АПВ</source>
        <translation>Rearranques permitidos</translation>
    </message>
    <message>
        <source>Сброс счётчиков АПВ</source>
        <translation>Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Уставка останова</source>
        <translation>Consigna de parada</translation>
    </message>
    <message>
        <source>Турбинное вращение</source>
        <translation>Rotación por turbina</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Минимальный коэффициент мощности</source>
        <translation>Pérdida de sincronismo motor Factor de potencia mínimo</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Максимальный ток</source>
        <translation>Pérdida de sincronismo motor Corriente máxima</translation>
    </message>
    <message>
        <source>Уставка останова минимум</source>
        <translation>Consigna de parada mínimo</translation>
    </message>
    <message>
        <source>Уставка пуска</source>
        <translation>Consigna de arranque</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Работа с пониженным сопротивлением</source>
        <translation>Resistencia de aislamiento Marcha con resistencia reducida</translation>
    </message>
    <message>
        <source>Время минимум</source>
        <translation>Tiempo mínimo</translation>
    </message>
    <message>
        <source>Уставка пуска минимум</source>
        <translation>Consigna de arranque mínimo</translation>
    </message>
    <message>
        <source>Уставка останова максимум</source>
        <translation>Consigna de parada máximo</translation>
    </message>
    <message>
        <source>Действие режима</source>
        <translation>Acción del modo</translation>
    </message>
    <message>
        <source>Периодика Время работы</source>
        <translation>Modo periódico Tiempo de marcha</translation>
    </message>
    <message>
        <source>Периодика Время паузы</source>
        <translation>Modo periódico Tiempo de pausa</translation>
    </message>
    <message>
        <source>Черед. частот F1</source>
        <translation>Altern. frecuencias F1</translation>
    </message>
    <message>
        <source>Черед. частот Время F1</source>
        <translation>Altern. frecuencias Tiempo F1</translation>
    </message>
    <message>
        <source>Черед. частот Недогруз F1</source>
        <translation>Altern. frecuencias Subcarga F1</translation>
    </message>
    <message>
        <source>Черед. частот F2</source>
        <translation>Altern. frecuencias F2</translation>
    </message>
    <message>
        <source>Черед. частот Время F2</source>
        <translation>Altern. frecuencias Tiempo F2</translation>
    </message>
    <message>
        <source>Черед. частот Недогруз F2</source>
        <translation>Altern. frecuencias Subcarga F2</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Начальная частота</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Frecuencia inicial</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Конечная частота</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Frecuencia final</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Период времени</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Período de tiempo</translation>
    </message>
    <message>
        <source>Задержка автоматического перехода в меню &quot;Текущие параметры&quot; при срабатывании защит</source>
        <translation>Retardo del paso automático a &quot;Valores actuales&quot; al dispararse protecciones</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Поддержание параметра Зависимость</source>
        <translation>Mantener parámetro Dependencia</translation>
    </message>
    <message>
        <source>Поддержание параметра Поддерживаемое значение</source>
        <translation>Mantener parámetro Valor objetivo</translation>
    </message>
    <message>
        <source>Поддержание параметра Период регулирования</source>
        <translation>Mantener parámetro Período de regulación</translation>
    </message>
    <message>
        <source>Поддержание параметра Пропорциональный коэффициент</source>
        <translation>Mantener parámetro Ganancia proporcional</translation>
    </message>
    <message>
        <source>Поддержание параметра Интегральный коэффициент</source>
        <translation>Mantener parámetro Ganancia integral</translation>
    </message>
    <message>
        <source>Поддержание параметра Минимальная частота</source>
        <translation>Mantener parámetro Frecuencia mínima</translation>
    </message>
    <message>
        <source>Поддержание параметра Максимальная частота</source>
        <translation>Mantener parámetro Frecuencia máxima</translation>
    </message>
    <message>
        <source>Встряхивание Периодичность</source>
        <translation>Sacudida Periodicidad</translation>
    </message>
    <message>
        <source>Встряхивание Частота f1</source>
        <translation>Sacudida Frecuencia f1</translation>
    </message>
    <message>
        <source>Встряхивание Темп увеличения частоты</source>
        <translation>Sacudida Ritmo de aumento de frecuencia</translation>
    </message>
    <message>
        <source>Встряхивание Частота f2</source>
        <translation>Sacudida Frecuencia f2</translation>
    </message>
    <message>
        <source>Встряхивание Темп уменьшения частоты</source>
        <translation>Sacudida Ritmo de reducción de frecuencia</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля</source>
        <translation>Modo cálculo calentamiento cable</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Сопротивление при 20С</source>
        <translation>Modo cálculo calentamiento cable Resistencia a 20°C</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Сопротивление при 80С</source>
        <translation>Modo cálculo calentamiento cable Resistencia a 80°C</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Номинальный ток кабеля</source>
        <translation>Modo cálculo calentamiento cable Corriente nominal del cable</translation>
    </message>
    <message>
        <source>Режим учёт нагрева кабеля Время нагрева</source>
        <translation>Modo cálculo calentamiento cable Tiempo de calentamiento</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Максимальное отклонение от U/f</source>
        <translation>Optimización de tensión Desviación máxima de U/f</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Шаг изменения напряжения</source>
        <translation>Optimización de tensión Paso de tensión</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Первый цикл после пуска</source>
        <translation>Optimización de tensión Primer ciclo tras el arranque</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Периодичность оптимизации</source>
        <translation>Optimización de tensión Periodicidad de optimización</translation>
    </message>
    <message>
        <source>Прокачка газа Частота F1</source>
        <translation>Purga de gas Frecuencia F1</translation>
    </message>
    <message>
        <source>Прокачка газа Частота F2</source>
        <translation>Purga de gas Frecuencia F2</translation>
    </message>
    <message>
        <source>Прокачка газа Время F1</source>
        <translation>Purga de gas Tiempo F1</translation>
    </message>
    <message>
        <source>Токоограничение Порог токоограничения</source>
        <translation>Limitación de corriente Umbral de limitación</translation>
    </message>
    <message>
        <source>Токоограничение Задержка отключения</source>
        <translation>Limitación de corriente Retardo de disparo</translation>
    </message>
    <message>
        <source>Коэффициент A</source>
        <translation>Coeficiente A</translation>
    </message>
    <message>
        <source>Коэффициент B</source>
        <translation>Coeficiente B</translation>
    </message>
    <message>
        <source>Коэффициент С</source>
        <translation>Coeficiente C</translation>
    </message>
    <message>
        <source>Коэффициент U</source>
        <translation>Coeficiente U</translation>
    </message>
    <message>
        <source>Коэффициент V</source>
        <translation>Coeficiente V</translation>
    </message>
    <message>
        <source>Коэффициент W</source>
        <translation>Coeficiente W</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Коэффициент</source>
        <translation>Resistencia de aislamiento Coeficiente</translation>
    </message>
    <message>
        <source>№ ЦДНГ</source>
        <translation>Nº taller de producción</translation>
    </message>
    <message>
        <source>№ Куст</source>
        <translation>Nº clúster</translation>
    </message>
    <message>
        <source>№ Скв.</source>
        <translation>Nº pozo</translation>
    </message>
    <message>
        <source>Общее время работы</source>
        <translation>Tiempo total de marcha</translation>
    </message>
    <message>
        <source>Текущий простой</source>
        <translation>Inactividad actual</translation>
    </message>
    <message>
        <source>Последнее включение</source>
        <translation>Último arranque</translation>
    </message>
    <message>
        <source>Причина последнего пуска</source>
        <translation>Causa del último arranque</translation>
    </message>
    <message>
        <source>Последнее отключение</source>
        <translation>Última parada</translation>
    </message>
    <message>
        <source>Причина последнего отключения</source>
        <translation>Causa de la última parada</translation>
    </message>
    <message>
        <source>Тип РВК</source>
        <translation>Tipo de RVK</translation>
    </message>
    <message>
        <source>Предприятие изготовитель РВК</source>
        <translation>Fabricante de RVK</translation>
    </message>
    <message>
        <source>ПО РВК</source>
        <translation>Software RVK</translation>
    </message>
    <message>
        <source>ПО МС</source>
        <translation>Software MS</translation>
    </message>
    <message>
        <source>ПО ПЧ</source>
        <translation>Software VSD</translation>
    </message>
    <message>
        <source>Дата изготовления РВК</source>
        <translation>Fecha de fabricación RVK</translation>
    </message>
    <message>
        <source>Дата установки ПО РВК</source>
        <translation>Fecha de instalación software RVK</translation>
    </message>
    <message>
        <source>Дата генерации ПО РВК</source>
        <translation>Fecha de compilación software RVK</translation>
    </message>
    <message>
        <source>Дата установки ПО ПЧ</source>
        <translation>Fecha de instalación software VSD</translation>
    </message>
    <message>
        <source>Тип СУ</source>
        <translation>Tipo de estación</translation>
    </message>
    <message>
        <source>Предп.изг.СУ</source>
        <translation>Fabr. estación</translation>
    </message>
    <message>
        <source>Заводской номер СУ</source>
        <translation>Nº de serie estación</translation>
    </message>
    <message>
        <source>Дата изгот.СУ</source>
        <translation>Fecha fabr. estación</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Протокол</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Протокол обмена</source>
        <translation>Protocolo de intercambio</translation>
    </message>
    <message>
        <source>Адрес</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Скорость обмена</source>
        <translation>Velocidad de transmisión</translation>
    </message>
    <message>
        <source>Четность</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Стоп-бит</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Задержка ответа</source>
        <translation>Retardo de respuesta</translation>
    </message>
    <message>
        <source>Давление</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Виброускорение</source>
        <translation>Aceleración de vibración</translation>
    </message>
    <message>
        <source>Расход</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Сброс всех СчтчАПВ</source>
        <translation>Restablecer todos los contadores de rearranque</translation>
    </message>
    <message>
        <source>Сброс уставок во всех защитах</source>
        <translation>Restablecer consignas de todas las protecciones</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит по сети</source>
        <translation>Restablecer contadores de rearranque de protecciones de red</translation>
    </message>
    <message>
        <source>Защиты по сети Сброс уставок</source>
        <translation>Protecciones de red Restablecer consignas</translation>
    </message>
    <message>
        <source>Сбросить значения уставок по умолчанию?</source>
        <translation>¿Restablecer los valores por defecto?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит двигателя</source>
        <translation>Restablecer contadores de rearranque de protecciones del motor</translation>
    </message>
    <message>
        <source>Уста.по.умол.?</source>
        <translation>¿Consignas por defecto?</translation>
    </message>
    <message>
        <source>СбросСчтчАПВ защит ТМС</source>
        <translation>Restablecer contadores de rearranque de protecciones DHS</translation>
    </message>
    <message>
        <source>Сброс счетчиков</source>
        <translation>Restablecer contadores</translation>
    </message>
    <message>
        <source>Недогруз Прогрессивная задержка АПВ</source>
        <translation>Subcarga Retardo de rearranque progresivo</translation>
    </message>
    <message>
        <source>Недогруз Прогрессивная задержка</source>
        <translation>Subcarga Retardo progresivo</translation>
    </message>
    <message>
        <source>Программное изменение частоты (ВНР) Начальная уставка ЗСП</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Consigna inicial ULP</translation>
    </message>
    <message>
        <source>Толчковый. Частота</source>
        <translation>Arranque por impulsos. Frecuencia</translation>
    </message>
    <message>
        <source>Толчковый. Время толчков</source>
        <translation>Arranque por impulsos. Tiempo de impulsos</translation>
    </message>
    <message>
        <source>Толчковый. Время между толчками</source>
        <translation>Arranque por impulsos. Tiempo entre impulsos</translation>
    </message>
    <message>
        <source>Толчковый. Напряжение</source>
        <translation>Arranque por impulsos. Tensión</translation>
    </message>
    <message>
        <source>Толчковый. Количество</source>
        <translation>Arranque por impulsos. Cantidad</translation>
    </message>
    <message>
        <source>Раскачка. Частота прямая</source>
        <translation>Arranque por balanceo. Frecuencia directa</translation>
    </message>
    <message>
        <source>Раскачка. Напряжение</source>
        <translation>Arranque por balanceo. Tensión</translation>
    </message>
    <message>
        <source>Раскачка. Количество</source>
        <translation>Arranque por balanceo. Cantidad</translation>
    </message>
    <message>
        <source>Тип ЧРП</source>
        <translation>Tipo de VSD</translation>
    </message>
    <message>
        <source>Поддержание параметра Давление</source>
        <translation>Mantener parámetro Presión</translation>
    </message>
    <message>
        <source>Поддержание параметра Температура</source>
        <translation>Mantener parámetro Temperatura</translation>
    </message>
    <message>
        <source>Поддержание параметра Аналоговый вход</source>
        <translation>Mantener parámetro Entrada analógica</translation>
    </message>
    <message>
        <source>Индуктивность выходного фильтра</source>
        <translation>Inductancia del filtro de salida</translation>
    </message>
    <message>
        <source>Индуктивность двигателя</source>
        <translation>Inductancia del motor</translation>
    </message>
    <message>
        <source>Полное индуктивное сопротивление фазы</source>
        <translation>Impedancia inductiva de fase</translation>
    </message>
    <message>
        <source>Напряжение короткого замыкания</source>
        <translation>Tensión de cortocircuito</translation>
    </message>
    <message>
        <source>Частота питающей сети</source>
        <translation>Frecuencia de red</translation>
    </message>
    <message>
        <source>Связь с ЧРП</source>
        <translation>Enlace con VSD</translation>
    </message>
    <message>
        <source>Связь с ТМС</source>
        <translation>Enlace con DHS</translation>
    </message>
    <message>
        <source>Связь со счётчиком электроэнергии</source>
        <translation>Enlace con contador de energía</translation>
    </message>
    <message>
        <source>Тип счётчика</source>
        <translation>Tipo de contador</translation>
    </message>
    <message>
        <source>Напряжение A</source>
        <translation>Tensión A</translation>
    </message>
    <message>
        <source>Напряжение B</source>
        <translation>Tensión B</translation>
    </message>
    <message>
        <source>Напряжение C</source>
        <translation>Tensión C</translation>
    </message>
    <message>
        <source>Напряжение AB</source>
        <translation>Tensión AB</translation>
    </message>
    <message>
        <source>Напряжение BC</source>
        <translation>Tensión BC</translation>
    </message>
    <message>
        <source>Напряжение CA</source>
        <translation>Tensión CA</translation>
    </message>
    <message>
        <source>Входной фильтр</source>
        <translation>Filtro de entrada</translation>
    </message>
    <message>
        <source>Выходной фильтр</source>
        <translation>Filtro de salida</translation>
    </message>
    <message>
        <source>Ёмкость выходного фильтра</source>
        <translation>Capacidad del filtro de salida</translation>
    </message>
    <message>
        <source>Напряжение питающей сети</source>
        <translation>Tensión de red</translation>
    </message>
    <message>
        <source>Максимальное рабочее напряжение</source>
        <translation>Tensión máxima de trabajo</translation>
    </message>
    <message>
        <source>Прогресс операции</source>
        <translation>Progreso de la operación</translation>
    </message>
    <message>
        <source>Объём операции</source>
        <translation>Volumen de la operación</translation>
    </message>
    <message>
        <source>Встряхивание. Количество</source>
        <translation>Sacudida. Cantidad</translation>
    </message>
    <message>
        <source>Кол-во разрешенных АПВ после других защит</source>
        <translation>Nº de rearranques permitidos tras otras protecciones</translation>
    </message>
    <message>
        <source>Защиты сети зад. АПВ</source>
        <translation>Protecciones de red ret. rearranque</translation>
    </message>
    <message>
        <source>Период автоматического переключения окон в меню &quot;Текущие параметры&quot;</source>
        <translation>Período de cambio automático de pantallas en &quot;Valores actuales&quot;</translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП. Сброс значения уставок по умолчанию</source>
        <translation>Menú de servicio VSD. Restablecer consignas por defecto</translation>
    </message>
    <message>
        <source>Максимальная рабочая частота</source>
        <translation>Frecuencia máxima de trabajo</translation>
    </message>
    <message>
        <source>Таймер контроллера SL. Предел тока (13-20.6)</source>
        <translation>Temporizador del controlador SL. Límite de corriente (13-20.6)</translation>
    </message>
    <message>
        <source>Связь с ЧРП - быстрые архивы</source>
        <translation>Enlace con VSD - registros rápidos</translation>
    </message>
    <message>
        <source>Тип двигателя</source>
        <translation>Tipo de motor</translation>
    </message>
    <message>
        <source>Падение напряжения на кабеле</source>
        <translation>Caída de tensión en el cable</translation>
    </message>
    <message>
        <source>Падение напряжения на фильтре</source>
        <translation>Caída de tensión en el filtro</translation>
    </message>
    <message>
        <source>Толчковый. Частота толчка</source>
        <translation>Arranque por impulsos. Frecuencia de impulso</translation>
    </message>
    <message>
        <source>Толчковый. Угол качания</source>
        <translation>Arranque por impulsos. Ángulo de oscilación</translation>
    </message>
    <message>
        <source>Толчковый. Количество оборотов двигателя</source>
        <translation>Arranque por impulsos. Nº de vueltas del motor</translation>
    </message>
    <message>
        <source>Толчковый. Кратность напряжения импульса расклинки</source>
        <translation>Arranque por impulsos. Factor de tensión del impulso de desatasco</translation>
    </message>
    <message>
        <source>Толчковый. Токоограничение в режиме</source>
        <translation>Arranque por impulsos. Limitación de corriente en el modo</translation>
    </message>
    <message>
        <source>Толчковый. Порог токоограничения импульса</source>
        <translation>Arranque por impulsos. Umbral de limitación de corriente del impulso</translation>
    </message>
    <message>
        <source>Раскачка. Частота толчка</source>
        <translation>Arranque por balanceo. Frecuencia de impulso</translation>
    </message>
    <message>
        <source>Раскачка. Угол качания</source>
        <translation>Arranque por balanceo. Ángulo de oscilación</translation>
    </message>
    <message>
        <source>Раскачка. Количество качаний на угол</source>
        <translation>Arranque por balanceo. Nº de oscilaciones por ángulo</translation>
    </message>
    <message>
        <source>Раскачка. Количество оборотов двигателя</source>
        <translation>Arranque por balanceo. Nº de vueltas del motor</translation>
    </message>
    <message>
        <source>Раскачка. Кратность напряжения импульса расклинки</source>
        <translation>Arranque por balanceo. Factor de tensión del impulso de desatasco</translation>
    </message>
    <message>
        <source>Раскачка. Токоограничение в режиме</source>
        <translation>Arranque por balanceo. Limitación de corriente en el modo</translation>
    </message>
    <message>
        <source>Раскачка. Порог токоограничения импульса</source>
        <translation>Arranque por balanceo. Umbral de limitación de corriente del impulso</translation>
    </message>
    <message>
        <source>Тип сигнала</source>
        <translation>Tipo de señal</translation>
    </message>
    <message>
        <source>Действие по сигналу</source>
        <translation>Acción por señal</translation>
    </message>
    <message>
        <source>Расчётное напряжение двигателя</source>
        <translation>Tensión calculada del motor</translation>
    </message>
    <message>
        <source>Цифр. вх. 7</source>
        <translation>ED 7</translation>
    </message>
    <message>
        <source>Цифр. вх. 8</source>
        <translation>ED 8</translation>
    </message>
    <message>
        <source>Цифр. вх. 9</source>
        <translation>ED 9</translation>
    </message>
    <message>
        <source>Цифр. вх. 10</source>
        <translation>ED 10</translation>
    </message>
    <message>
        <source>Ан. вх. 5</source>
        <translation>EA 5</translation>
    </message>
    <message>
        <source>Тип входа</source>
        <translation>Tipo de entrada</translation>
    </message>
    <message>
        <source>Минимум шкалы</source>
        <translation>Mínimo de escala</translation>
    </message>
    <message>
        <source>Максимум шкалы</source>
        <translation>Máximo de escala</translation>
    </message>
    <message>
        <source>Ан. вх. 1</source>
        <translation>EA 1</translation>
    </message>
    <message>
        <source>Ан. вх. 2</source>
        <translation>EA 2</translation>
    </message>
    <message>
        <source>Ан. вх. 3</source>
        <translation>EA 3</translation>
    </message>
    <message>
        <source>Ан. вх. 4</source>
        <translation>EA 4</translation>
    </message>
    <message>
        <source>Код аварии ЧРП</source>
        <translation>Código de fallo VSD</translation>
    </message>
    <message>
        <source>Сохранять в архивах отказы датчиков</source>
        <translation>Guardar fallos de sensores en los registros</translation>
    </message>
    <message>
        <source>Число начала расчётного периода в месяце</source>
        <translation>Día de inicio del período contable en el mes</translation>
    </message>
    <message>
        <source>Коэффициент C</source>
        <translation>Coeficiente C</translation>
    </message>
    <message>
        <source>Полная загрузка</source>
        <translation>Carga total</translation>
    </message>
    <message>
        <source>Расчётное время до отключения</source>
        <translation>Tiempo estimado hasta el disparo</translation>
    </message>
    <message>
        <source>Измерение токов ЧРП</source>
        <translation>Medición de corrientes VSD</translation>
    </message>
    <message>
        <source>IP-адрес</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Маска подсети</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Гарантированный пуск</source>
        <translation>Arranque garantizado</translation>
    </message>
    <message>
        <source>Текущий недогруз</source>
        <translation>Subcarga actual</translation>
    </message>
    <message>
        <source>Номинальный ток СУ</source>
        <translation>Corriente nominal de la estación</translation>
    </message>
    <message>
        <source>N контроллера</source>
        <translation>Nº de controlador</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП1</source>
        <translation>Palabra de estado VSD 1</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП2</source>
        <translation>Palabra de estado VSD 2</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП7</source>
        <translation>Palabra de estado VSD 7</translation>
    </message>
    <message>
        <source>Качество связи</source>
        <translation>Calidad de enlace</translation>
    </message>
    <message>
        <source>Счётчик запросов</source>
        <translation>Solicitudes</translation>
    </message>
    <message>
        <source>Счетчик ответов</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Счетчик некорректных ответов</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Счётчик ошибок контрольной суммы</source>
        <translation>Errores de suma de control</translation>
    </message>
    <message>
        <source>Счётчик ошибок устройства</source>
        <translation>Errores del dispositivo</translation>
    </message>
    <message>
        <source>Счётчик потерянных ответов</source>
        <translation>Respuestas perdidas</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи</source>
        <translation>Restablecer contadores de calidad de enlace</translation>
    </message>
    <message>
        <source>Максимум параметров в одном запросе</source>
        <translation>Máx. parámetros por solicitud</translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation>Salida de relé 1</translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation>Salida de relé 2</translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation>Salida de relé 3</translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation>Salida de relé 4</translation>
    </message>
    <message>
        <source>Приращение сопротивления статора</source>
        <translation>Incremento de resistencia del estator</translation>
    </message>
    <message>
        <source>СА Снижение частоты</source>
        <translation>AE Reducción de frecuencia</translation>
    </message>
    <message>
        <source>Спецалгоритмы Zazarere</source>
        <translation>Algoritmos especiales Zazarere</translation>
    </message>
    <message>
        <source>СА Минимальное сопротивление изоляции</source>
        <translation>AE Resistencia de aislamiento mínima</translation>
    </message>
    <message>
        <source>СА Наработка с момента первичного запуска</source>
        <translation>AE Horas de marcha desde el primer arranque</translation>
    </message>
    <message>
        <source>СА Подхват. Максимальная мощность двигателя</source>
        <translation>AE Arranque al vuelo. Potencia máxima del motor</translation>
    </message>
    <message>
        <source>СА Подхват. Снижение частоты между попытками</source>
        <translation>AE Arranque al vuelo. Reducción de frecuencia entre intentos</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Начальная частота</source>
        <translation>Salto de frecuencias de resonancia Frecuencia inicial</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Конечная частота</source>
        <translation>Salto de frecuencias de resonancia Frecuencia final</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот Темп изменения частоты</source>
        <translation>Salto de frecuencias de resonancia Ritmo de cambio de frecuencia</translation>
    </message>
    <message>
        <source>Частота синхронизации</source>
        <translation>Frecuencia de sincronización</translation>
    </message>
    <message>
        <source>Время синхронизации</source>
        <translation>Tiempo de sincronización</translation>
    </message>
    <message>
        <source>СА Время работы на пониженной частоте</source>
        <translation>AE Tiempo de marcha a frecuencia reducida</translation>
    </message>
    <message>
        <source>Текущая уставка по току</source>
        <translation>Consigna de corriente actual</translation>
    </message>
    <message>
        <source>СА Лимит наработки с момента первичного запуска</source>
        <translation>AE Límite de horas de marcha desde el primer arranque</translation>
    </message>
    <message>
        <source>СА Кратность перегрузки</source>
        <translation>AE Factor de sobrecarga</translation>
    </message>
    <message>
        <source>Профиль двигателя в ЧРП</source>
        <translation>Perfil del motor en el VSD</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Смещение</source>
        <translation>Resistencia de aislamiento Desplazamiento</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Знак смещения</source>
        <translation>Resistencia de aislamiento Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Подхват. F ожидания</source>
        <translation>Arranque al vuelo. F de espera</translation>
    </message>
    <message>
        <source>Подхват. Время ожидания</source>
        <translation>Arranque al vuelo. Tiempo de espera</translation>
    </message>
    <message>
        <source>Подхват. Время разгона</source>
        <translation>Arranque al vuelo. Tiempo de aceleración</translation>
    </message>
    <message>
        <source>Подхват. Время торм.</source>
        <translation>Arranque al vuelo. Tiempo de fren.</translation>
    </message>
    <message>
        <source>Удельная ЭДС</source>
        <translation>FEM específica</translation>
    </message>
    <message>
        <source>Байпасные контакторы</source>
        <translation>Contactores de bypass</translation>
    </message>
    <message>
        <source>Состояние KM1</source>
        <translation>Estado KM1</translation>
    </message>
    <message>
        <source>Состояние KM2</source>
        <translation>Estado KM2</translation>
    </message>
    <message>
        <source>Прямой пуск</source>
        <translation>Arranque directo</translation>
    </message>
    <message>
        <source>Ан. вх. 6</source>
        <translation>EA 6</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Смещ.</source>
        <translation>EA 6 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Коэф.</source>
        <translation>EA 6 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 7</source>
        <translation>EA 7</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Смещ.</source>
        <translation>EA 7 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Коэф.</source>
        <translation>EA 7 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 8</source>
        <translation>EA 8</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Смещ.</source>
        <translation>EA 8 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Коэф.</source>
        <translation>EA 8 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Тип</source>
        <translation>EA 6 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Тип</source>
        <translation>EA 7 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 8. Тип</source>
        <translation>EA 8. Tipo</translation>
    </message>
    <message>
        <source>Конфигурации. Сброс всех уставок</source>
        <translation>Configuraciones. Restablecer todas las consignas</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Смещ.</source>
        <translation>EA 5 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Знак</source>
        <translation>EA 5 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Коэф.</source>
        <translation>EA 5 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 6 Знак</source>
        <translation>EA 6 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 7 Знак</source>
        <translation>EA 7 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 8 Знак</source>
        <translation>EA 8 Signo</translation>
    </message>
    <message>
        <source>Калибровка. Смещение</source>
        <translation>Calibración. Desplazamiento</translation>
    </message>
    <message>
        <source>Калибровка. Ось смещения</source>
        <translation>Calibración. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Калибровка. Коэффициент</source>
        <translation>Calibración. Coeficiente</translation>
    </message>
    <message>
        <source>Ан. вх. 5 Тип</source>
        <translation>EA 5 Tipo</translation>
    </message>
    <message>
        <source>Датчик температура фильтра</source>
        <translation>Sensor de temperatura del filtro</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Уставка пуска максимум</source>
        <translation>Consigna de arranque máximo</translation>
    </message>
    <message>
        <source>Пркч. кол. циклов</source>
        <translation>Purga de gas: nº ciclos</translation>
    </message>
    <message>
        <source>Пркч. задержка</source>
        <translation>Purga de gas: retardo</translation>
    </message>
    <message>
        <source>Прокачка газа. Уставка активации режима</source>
        <translation>Purga de gas. Consigna de activación del modo</translation>
    </message>
    <message>
        <source>Режим &quot;мягкого&quot; пуска</source>
        <translation>Modo de arranque &quot;suave&quot;</translation>
    </message>
    <message>
        <source>Период записи ТМС первый час после останова</source>
        <translation>Período de registro DHS la primera hora tras la parada</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Источник</source>
        <translation>Resistencia de aislamiento Fuente</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Автовыбор источника</source>
        <translation>Resistencia de aislamiento Selección automática de fuente</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Пересчитывать границы</source>
        <translation>Optimización de tensión Recalcular límites</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Восстанавливать характеристику U/f</source>
        <translation>Optimización de tensión Restaurar la característica U/f</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Первый шаг</source>
        <translation>Optimización de tensión Primer paso</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Изменение тока для принятия решения</source>
        <translation>Optimización de tensión Cambio de corriente para decidir</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Период усреднения тока</source>
        <translation>Optimización de tensión Período de promediado de corriente</translation>
    </message>
    <message>
        <source>Оптимизация напряжения Начало цикла после возврата характеристики U/f</source>
        <translation>Optimización de tensión Inicio de ciclo tras restaurar la característica U/f</translation>
    </message>
    <message>
        <source>Напряжение U</source>
        <translation>Tensión U</translation>
    </message>
    <message>
        <source>Напряжение V</source>
        <translation>Tensión V</translation>
    </message>
    <message>
        <source>Напряжение W</source>
        <translation>Tensión W</translation>
    </message>
    <message>
        <source>Напряжение UV</source>
        <translation>Tensión UV</translation>
    </message>
    <message>
        <source>Напряжение VW</source>
        <translation>Tensión VW</translation>
    </message>
    <message>
        <source>Напряжение WU</source>
        <translation>Tensión WU</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Ток фазы U</source>
        <translation>Corriente fase U</translation>
    </message>
    <message>
        <source>Ток фазы V</source>
        <translation>Corriente fase V</translation>
    </message>
    <message>
        <source>Ток фазы W</source>
        <translation>Corriente fase W</translation>
    </message>
    <message>
        <source>Полное сопротивление фазы</source>
        <translation>Impedancia de fase</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы</source>
        <translation>Resistencia activa de fase</translation>
    </message>
    <message>
        <source>Погонная индуктивность кабеля на км</source>
        <translation>Inductancia lineal del cable por km</translation>
    </message>
    <message>
        <source>Температура жидкости</source>
        <translation>Temperatura del fluido</translation>
    </message>
    <message>
        <source>ЭДС по модели</source>
        <translation>FEM según modelo</translation>
    </message>
    <message>
        <source>Формат вывода напряжения</source>
        <translation>Formato de visualización de tensión</translation>
    </message>
    <message>
        <source>Поддержание параметра Загрузка</source>
        <translation>Mantener parámetro Carga</translation>
    </message>
    <message>
        <source>Поддержание параметра Мощность</source>
        <translation>Mantener parámetro Potencia</translation>
    </message>
    <message>
        <source>Сжать архив</source>
        <translation>Comprimir registro</translation>
    </message>
    <message>
        <source>Состояние архива</source>
        <translation>Estado del registro</translation>
    </message>
    <message>
        <source>Размер сжатого архива</source>
        <translation>Tamaño del registro comprimido</translation>
    </message>
    <message>
        <source>Минимум шкалы. Ось смещения</source>
        <translation>Mínimo de escala. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Максимум шкалы. Ось смещения</source>
        <translation>Máximo de escala. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Уставка останова минимум. Ось смещения</source>
        <translation>Consigna de parada mínimo. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Уставка останова максимум. Ось смещения</source>
        <translation>Consigna de parada máximo. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Уставка пуска минимум. Ось смещения</source>
        <translation>Consigna de arranque mínimo. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Уставка пуска максимум. Ось смещения</source>
        <translation>Consigna de arranque máximo. Signo del desplazamiento</translation>
    </message>
    <message>
        <source>Минимальная яркость дисплея</source>
        <translation>Brillo mínimo de pantalla</translation>
    </message>
    <message>
        <source>Максимальная яркость дисплея</source>
        <translation>Brillo máximo de pantalla</translation>
    </message>
    <message>
        <source>ЭДС по паспортным данным</source>
        <translation>FEM según datos de placa</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Отклонение ЭДС</source>
        <translation>Pérdida de sincronismo motor Desviación de FEM</translation>
    </message>
    <message>
        <source>Мощность короткого замыкания</source>
        <translation>Potencia de cortocircuito</translation>
    </message>
    <message>
        <source>Турбинное вращение Коэффициент</source>
        <translation>Rotación por turbina Coeficiente</translation>
    </message>
    <message>
        <source>Положение датчика</source>
        <translation>Posición del sensor</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Уставка останова по ЭДС</source>
        <translation>Pérdida de sincronismo motor Consigna de parada por FEM</translation>
    </message>
    <message>
        <source>Автоадаптация.Запуск после автоадаптации</source>
        <translation>Autoadaptación. Arranque tras autoadaptación</translation>
    </message>
    <message>
        <source>Автоадаптация.Время измерения тока</source>
        <translation>Autoadaptación. Tiempo de medición de corriente</translation>
    </message>
    <message>
        <source>СА Время контроля специальных алгоритмов</source>
        <translation>AE Tiempo de control de algoritmos especiales</translation>
    </message>
    <message>
        <source>Название входа</source>
        <translation>Nombre de la entrada</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Данные автоадаптации</source>
        <translation>Pérdida de sincronismo motor Datos de autoadaptación</translation>
    </message>
    <message>
        <source>Металл кабеля</source>
        <translation>Metal del conductor del cable</translation>
    </message>
    <message>
        <source>Параметр для расчёта индуктивности</source>
        <translation>Parámetro para cálculo de inductancia</translation>
    </message>
    <message>
        <source>Нефтяная компания</source>
        <translation>Compañía petrolera</translation>
    </message>
    <message>
        <source>Кратность пускового момента</source>
        <translation>Factor de par de arranque</translation>
    </message>
    <message>
        <source>Максимальная пусковая частота</source>
        <translation>Frecuencia máxima de arranque</translation>
    </message>
    <message>
        <source>Граничная частота</source>
        <translation>Frecuencia límite</translation>
    </message>
    <message>
        <source>Допустимый предел насыщения ТМПН</source>
        <translation>Límite de saturación permitido SUT</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения ЧРП</source>
        <translation>Compensación de tensión de salida VSD</translation>
    </message>
    <message>
        <source>Пусковая частота</source>
        <translation>Frecuencia de arranque</translation>
    </message>
    <message>
        <source>Температура поверхности</source>
        <translation>Temperatura de superficie</translation>
    </message>
    <message>
        <source>Активное сопротивление фазы фильтра</source>
        <translation>Resistencia activa de fase del filtro</translation>
    </message>
    <message>
        <source>СА Подхват. Разрешено попыток подхвата</source>
        <translation>AE Arranque al vuelo. Intentos permitidos</translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП)</source>
        <translation>AE Sobrecarga (OLP)</translation>
    </message>
    <message>
        <source>Синхронизация времени с NTP сервером</source>
        <translation>Sincronización horaria con servidor NTP</translation>
    </message>
    <message>
        <source>Период синхронизации времени с NTP сервером</source>
        <translation>Período de sincronización horaria NTP</translation>
    </message>
    <message>
        <source>Адрес NTP сервера</source>
        <translation>Dirección del servidor NTP</translation>
    </message>
    <message>
        <source>Время отключения РВК</source>
        <translation>Tiempo de desconexión RVK</translation>
    </message>
    <message>
        <source>Время отключения GUI</source>
        <translation>Tiempo de desconexión GUI</translation>
    </message>
    <message>
        <source>Время отключения подсветки дисплея</source>
        <translation>Tiempo de apagado de retroiluminación</translation>
    </message>
    <message>
        <source>Часовой пояс</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Толчковый. Предел тока</source>
        <translation>Arranque por impulsos. Límite de corriente</translation>
    </message>
    <message>
        <source>Автоматический переход на следующий параметр после редактирования</source>
        <translation>Paso automático al siguiente parámetro tras editar</translation>
    </message>
    <message>
        <source>Плотность нефти</source>
        <translation>Densidad del petróleo</translation>
    </message>
    <message>
        <source>Плотность воды</source>
        <translation>Densidad del agua</translation>
    </message>
    <message>
        <source>Обв., %</source>
        <translation>Corte de agua, %</translation>
    </message>
    <message>
        <source>Глубина скваж. До ИП</source>
        <translation>Prof. pozo hasta fondo art.</translation>
    </message>
    <message>
        <source>Искусств. забой</source>
        <translation>Fondo artificial</translation>
    </message>
    <message>
        <source>Удлин. ЭК до ИЗ</source>
        <translation>Alarg. revest. hasta fondo art.</translation>
    </message>
    <message>
        <source>Диаметр НКТ</source>
        <translation>Diámetro de tubería</translation>
    </message>
    <message>
        <source>Толщина стенки НКТ</source>
        <translation>Espesor de pared de tubería</translation>
    </message>
    <message>
        <source>Диаметр ЭК</source>
        <translation>Diámetro de revestimiento</translation>
    </message>
    <message>
        <source>Толщина стенки ЭК</source>
        <translation>Espesor de pared de revestimiento</translation>
    </message>
    <message>
        <source>Динамический уровень</source>
        <translation>Nivel dinámico</translation>
    </message>
    <message>
        <source>Устьевое давление</source>
        <translation>Presión en cabeza de pozo</translation>
    </message>
    <message>
        <source>Затрубное давление</source>
        <translation>Presión anular</translation>
    </message>
    <message>
        <source>Линейное давление</source>
        <translation>Presión de línea</translation>
    </message>
    <message>
        <source>Отладочные сообщения телемеханики</source>
        <translation>Mensajes de depuración SCADA</translation>
    </message>
    <message>
        <source>Автоадаптация. Частота ШИМ</source>
        <translation>Autoadaptación. Frecuencia PWM</translation>
    </message>
    <message>
        <source>Автоадаптация. Нижняя граница</source>
        <translation>Autoadaptación. Límite inferior</translation>
    </message>
    <message>
        <source>Автоадаптация. Верхняя граница</source>
        <translation>Autoadaptación. Límite superior</translation>
    </message>
    <message>
        <source>Автоадаптация. Делитель</source>
        <translation>Autoadaptación. Divisor</translation>
    </message>
    <message>
        <source>Автоадаптация. Максимум</source>
        <translation>Autoadaptación. Máximo</translation>
    </message>
    <message>
        <source>Автоадаптация. Мин. шаг</source>
        <translation>Autoadaptación. Paso mín.</translation>
    </message>
    <message>
        <source>Время Rиз</source>
        <translation>Tiempo Riz</translation>
    </message>
    <message>
        <source>Раскачка. Частота обратная</source>
        <translation>Arranque por balanceo. Frecuencia inversa</translation>
    </message>
    <message>
        <source>Раскачка. Предел тока</source>
        <translation>Arranque por balanceo. Límite de corriente</translation>
    </message>
    <message>
        <source>СА Уставка токоограничения</source>
        <translation>AE Consigna de limitación de corriente</translation>
    </message>
    <message>
        <source>Раскачка. Время разгона</source>
        <translation>Arranque por balanceo. Tiempo de aceleración</translation>
    </message>
    <message>
        <source>Раскачка. Время торможения</source>
        <translation>Balanceo. Tiempo de frenado</translation>
    </message>
    <message>
        <source>Раскачка. Время толчка</source>
        <translation>Balanceo. Tiempo de impulso</translation>
    </message>
    <message>
        <source>СА Прокачка. Период подсчета циклов прокачки</source>
        <translation>AE Purga de gas. Periodo de conteo de ciclos de purga</translation>
    </message>
    <message>
        <source>СА Задержка на токоограничение</source>
        <translation>AE Retardo de limitación de corriente</translation>
    </message>
    <message>
        <source>СА Снижение рабочего тока</source>
        <translation>AE Reducción de la corriente de trabajo</translation>
    </message>
    <message>
        <source>Частота R</source>
        <translation>Frecuencia R</translation>
    </message>
    <message>
        <source>Частота L</source>
        <translation>Frecuencia L</translation>
    </message>
    <message>
        <source>Ток R</source>
        <translation>Corriente R</translation>
    </message>
    <message>
        <source>Ток L</source>
        <translation>Corriente L</translation>
    </message>
    <message>
        <source>Автонастройка</source>
        <translation>Autoajuste</translation>
    </message>
    <message>
        <source>Автонастройка. Частота ЭДС</source>
        <translation>Autoajuste. Frecuencia FEM</translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения R</source>
        <translation>Autoajuste. Tiempo de medición R</translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения L</source>
        <translation>Autoajuste. Tiempo de medición L</translation>
    </message>
    <message>
        <source>Автонастройка. Время измерения ЭДС</source>
        <translation>Autoajuste. Tiempo de medición FEM</translation>
    </message>
    <message>
        <source>Автоадаптация. Источник тока</source>
        <translation>Autoadaptación. Fuente de corriente</translation>
    </message>
    <message>
        <source>Действие при подключении USB носителя</source>
        <translation>Acción al conectar una memoria USB</translation>
    </message>
    <message>
        <source>Коэффициент сглаживания момента</source>
        <translation>Coeficiente de suavizado del par</translation>
    </message>
    <message>
        <source>Период записи в останове</source>
        <translation>Periodo de registro en parada</translation>
    </message>
    <message>
        <source>Поддержание параметра Расход</source>
        <translation>Mantenimiento de parámetro Caudal</translation>
    </message>
    <message>
        <source>Источник входных напряжений</source>
        <translation>Fuente de tensión de entrada</translation>
    </message>
    <message>
        <source>Сигнализация отклонения рабочих параметров</source>
        <translation>Señalización de desviación de parámetros</translation>
    </message>
    <message>
        <source>Отображение форм модели работы</source>
        <translation>Mostrar páginas del modelo de trabajo</translation>
    </message>
    <message>
        <source>Использовать данные модели</source>
        <translation>Usar datos del modelo</translation>
    </message>
    <message>
        <source>СА Подхват. Частота ожидания</source>
        <translation>AE Arranque al vuelo. Frecuencia de espera</translation>
    </message>
    <message>
        <source>СА Подхват. Время работы на частоте ожидания</source>
        <translation>AE Arranque al vuelo. Tiempo de marcha a la frecuencia de espera</translation>
    </message>
    <message>
        <source>СА Подхват. Время разгона до частоты ожидания</source>
        <translation>AE Arranque al vuelo. Tiempo de aceleración a la frecuencia de espera</translation>
    </message>
    <message>
        <source>СА Подхват. Время торможения с частоты ожидания</source>
        <translation>AE Arranque al vuelo. Tiempo de frenado desde la frecuencia de espera</translation>
    </message>
    <message>
        <source>СА Толчковый. Частота толчков</source>
        <translation>AE Arranque por impulsos. Frecuencia de impulsos</translation>
    </message>
    <message>
        <source>СА Толчковый. Время толчков</source>
        <translation>AE Arranque por impulsos. Tiempo de impulsos</translation>
    </message>
    <message>
        <source>СА Толчковый. Время между толчками</source>
        <translation>AE Arranque por impulsos. Tiempo entre impulsos</translation>
    </message>
    <message>
        <source>СА Толчковый. Количество толчков</source>
        <translation>AE Arranque por impulsos. Cantidad de impulsos</translation>
    </message>
    <message>
        <source>СА Толчковый. Напряжение толчков</source>
        <translation>AE Arranque por impulsos. Tensión de impulsos</translation>
    </message>
    <message>
        <source>СА Раскачка. Частота прямая</source>
        <translation>AE Balanceo. Frecuencia directa</translation>
    </message>
    <message>
        <source>СА Раскачка. Частота обратная</source>
        <translation>AE Balanceo. Frecuencia inversa</translation>
    </message>
    <message>
        <source>СА Раскачка. Время раскачки</source>
        <translation>AE Balanceo. Tiempo de balanceo</translation>
    </message>
    <message>
        <source>СА Раскачка. Время разгона</source>
        <translation>AE Balanceo. Tiempo de aceleración</translation>
    </message>
    <message>
        <source>СА Раскачка. Время торможения</source>
        <translation>AE Balanceo. Tiempo de frenado</translation>
    </message>
    <message>
        <source>СА Раскачка. Количество циклов</source>
        <translation>AE Balanceo. Cantidad de ciclos</translation>
    </message>
    <message>
        <source>СА Раскачка. Напряжение раскачки</source>
        <translation>AE Balanceo. Tensión de balanceo</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Состояние</source>
        <translation>AE Purga de gas. Estado</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Частота нижняя</source>
        <translation>AE Purga de gas. Frecuencia inferior</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Частота верхняя</source>
        <translation>AE Purga de gas. Frecuencia superior</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Максимальное число циклов</source>
        <translation>AE Purga de gas. Cantidad máxima de ciclos</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Порог отключения</source>
        <translation>AE Purga de gas. Umbral de disparo</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Время фиксации недогруза</source>
        <translation>AE Purga de gas. Tiempo de detección de subcarga</translation>
    </message>
    <message>
        <source>СА Подхват. Снижение напряжение</source>
        <translation>AE Arranque al vuelo. Reducción de tensión</translation>
    </message>
    <message>
        <source>СА Подхват. Шаги возврата напряжения</source>
        <translation>AE Arranque al vuelo. Pasos de retorno de tensión</translation>
    </message>
    <message>
        <source>СА Подхват. Частота возврата напряжения</source>
        <translation>AE Arranque al vuelo. Frecuencia de retorno de tensión</translation>
    </message>
    <message>
        <source>СА Подхват. Время разгона после разворота</source>
        <translation>AE Arranque al vuelo. Tiempo de aceleración tras la inversión</translation>
    </message>
    <message>
        <source>Тип выхода</source>
        <translation>Tipo de salida</translation>
    </message>
    <message>
        <source>Оптимизация напряжения при холостом ходе</source>
        <translation>Optimización de tensión en vacío</translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Уставка холостого хода</source>
        <translation>Optimización de tensión. Consigna en vacío</translation>
    </message>
    <message>
        <source>Знак температуры прогрева</source>
        <translation>Signo de la temperatura de precalentamiento</translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation>Modo de prueba del controlador VSD</translation>
    </message>
    <message>
        <source>Ошибка связи с термодатчиками</source>
        <translation>Error de enlace con los sensores de temperatura</translation>
    </message>
    <message>
        <source>Тепловая защита радиаторов</source>
        <translation>Protección térmica de disipadores</translation>
    </message>
    <message>
        <source>Тепловая защита по воздуху</source>
        <translation>Protección térmica por aire</translation>
    </message>
    <message>
        <source>Тепловая защита тиристоров</source>
        <translation>Protección térmica de tiristores</translation>
    </message>
    <message>
        <source>Тепловая защита реактора</source>
        <translation>Protección térmica del reactor</translation>
    </message>
    <message>
        <source>СА Период записи в работе</source>
        <translation>AE Periodo de registro en marcha</translation>
    </message>
    <message>
        <source>Релейный вых.4 Температура включения</source>
        <translation>Sal. relé 4 Temperatura de conexión</translation>
    </message>
    <message>
        <source>Релейный вых.4 Температура отключения</source>
        <translation>Sal. relé 4 Temperatura de desconexión</translation>
    </message>
    <message>
        <source>Единицы измерения мощность двигателя</source>
        <translation>Unidades de potencia del motor</translation>
    </message>
    <message>
        <source>Единицы измерения сечения кабеля</source>
        <translation>Unidades de sección del cable</translation>
    </message>
    <message>
        <source>Недогруз. Не учитывать коэффициентов мощности</source>
        <translation>Subcarga. Ignorar el factor de potencia</translation>
    </message>
    <message>
        <source>Значение cos при холостом ходе</source>
        <translation>Valor de cos en vacío</translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с СУ</source>
        <translation>Restablecer contadores de calidad de enlace con la estación</translation>
    </message>
    <message>
        <source>Имя ЦДНГ</source>
        <translation>Nombre del taller de producción</translation>
    </message>
    <message>
        <source>Имя куста</source>
        <translation>Nombre del clúster</translation>
    </message>
    <message>
        <source>Имя Скв.</source>
        <translation>Nombre del pozo</translation>
    </message>
    <message>
        <source>Использовать имя скважины/куста/месторождения</source>
        <translation>Usar nombre de pozo/clúster/yacimiento</translation>
    </message>
    <message>
        <source>Задержка на чтение после записи</source>
        <translation>Retardo de lectura tras escritura</translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Уставка тока</source>
        <translation>Optimización de tensión. Consigna de corriente</translation>
    </message>
    <message>
        <source>Меню технолога</source>
        <translation>Menú del tecnólogo</translation>
    </message>
    <message>
        <source>Меню.Параметр 1</source>
        <translation>Menú. Parámetro 1</translation>
    </message>
    <message>
        <source>Меню.Параметр 2</source>
        <translation>Menú. Parámetro 2</translation>
    </message>
    <message>
        <source>Меню.Параметр 3</source>
        <translation>Menú. Parámetro 3</translation>
    </message>
    <message>
        <source>Меню.Параметр 4</source>
        <translation>Menú. Parámetro 4</translation>
    </message>
    <message>
        <source>Меню.Параметр 5</source>
        <translation>Menú. Parámetro 5</translation>
    </message>
    <message>
        <source>Меню.Параметр 6</source>
        <translation>Menú. Parámetro 6</translation>
    </message>
    <message>
        <source>Меню.Параметр 7</source>
        <translation>Menú. Parámetro 7</translation>
    </message>
    <message>
        <source>Меню.Параметр 8</source>
        <translation>Menú. Parámetro 8</translation>
    </message>
    <message>
        <source>Меню.Параметр 9</source>
        <translation>Menú. Parámetro 9</translation>
    </message>
    <message>
        <source>Меню.Параметр 10</source>
        <translation>Menú. Parámetro 10</translation>
    </message>
    <message>
        <source>Меню.Параметр 11</source>
        <translation>Menú. Parámetro 11</translation>
    </message>
    <message>
        <source>Меню.Параметр 12</source>
        <translation>Menú. Parámetro 12</translation>
    </message>
    <message>
        <source>Меню.Параметр 13</source>
        <translation>Menú. Parámetro 13</translation>
    </message>
    <message>
        <source>Меню.Параметр 14</source>
        <translation>Menú. Parámetro 14</translation>
    </message>
    <message>
        <source>Меню.Параметр 15</source>
        <translation>Menú. Parámetro 15</translation>
    </message>
    <message>
        <source>Оптимизация напряжения.Использовать настройки из меню</source>
        <translation>Optimización de tensión. Usar ajustes del menú</translation>
    </message>
    <message>
        <source>Поддержание параметра.Тип регулирования</source>
        <translation>Mantenimiento de parámetro. Tipo de regulación</translation>
    </message>
    <message>
        <source>Уставка включения контактора входного фильтра</source>
        <translation>Consigna de conexión del contactor del filtro de entrada</translation>
    </message>
    <message>
        <source>Уставка выключения контактора входного фильтра</source>
        <translation>Consigna de desconexión del contactor del filtro de entrada</translation>
    </message>
    <message>
        <source>Время между контролем</source>
        <translation>Tiempo entre controles</translation>
    </message>
    <message>
        <source>Количество ошибок контроля</source>
        <translation>Cantidad de errores de control</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси D</source>
        <translation>Inductancia del motor en eje D</translation>
    </message>
    <message>
        <source>Индуктивность двигателя по оси Q</source>
        <translation>Inductancia del motor en eje Q</translation>
    </message>
    <message>
        <source>Количество шагов снижения напряжения до 0</source>
        <translation>Pasos de reducción de tensión a 0</translation>
    </message>
    <message>
        <source>Периодика Zazarere</source>
        <translation>Modo periódico Zazarere</translation>
    </message>
    <message>
        <source>Периодика Zazarere. Время работы</source>
        <translation>Modo periódico Zazarere. Tiempo de marcha</translation>
    </message>
    <message>
        <source>Периодика Zazarere. Время паузы</source>
        <translation>Modo periódico Zazarere. Tiempo de pausa</translation>
    </message>
    <message>
        <source>Периодика Zazarere. Минимальное давление</source>
        <translation>Modo periódico Zazarere. Presión mínima</translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП. Сохранить значения уставок?</source>
        <translation>Menú de servicio VSD. ¿Guardar las consignas?</translation>
    </message>
    <message>
        <source>Скорость порта</source>
        <translation>Velocidad del puerto</translation>
    </message>
    <message>
        <source>Количество стоп бит</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Ожидание ответа</source>
        <translation>Espera de respuesta</translation>
    </message>
    <message>
        <source>Повторы</source>
        <translation>Reintentos</translation>
    </message>
    <message>
        <source>Номер канала</source>
        <translation>Nº de canal</translation>
    </message>
    <message>
        <source>Время контроля потери связи</source>
        <translation>Tiempo de control de pérdida de enlace</translation>
    </message>
    <message>
        <source>Количество потерь связи</source>
        <translation>Cantidad de pérdidas de enlace</translation>
    </message>
    <message>
        <source>Время тишины</source>
        <translation>Tiempo de silencio</translation>
    </message>
    <message>
        <source>Ошибки Flash ЧРП</source>
        <translation>Errores Flash VSD</translation>
    </message>
    <message>
        <source>Прокачка газа Время F2</source>
        <translation>Purga de gas Tiempo F2</translation>
    </message>
    <message>
        <source>Время F - F1</source>
        <translation>Tiempo F - F1</translation>
    </message>
    <message>
        <source>Время F1 - F2</source>
        <translation>Tiempo F1 - F2</translation>
    </message>
    <message>
        <source>Время F2 - F</source>
        <translation>Tiempo F2 - F</translation>
    </message>
    <message>
        <source>Расширенные настройки</source>
        <translation>Ajustes avanzados</translation>
    </message>
    <message>
        <source>Время изменения частоты</source>
        <translation>Tiempo de cambio de frecuencia</translation>
    </message>
    <message>
        <source>Пркч. деактивация</source>
        <translation>Desactivación de purga de gas</translation>
    </message>
    <message>
        <source>Прокачка газа. Использовать уставку недогруза</source>
        <translation>Purga de gas. Usar la consigna de subcarga</translation>
    </message>
    <message>
        <source>Прокачка газа. Анализ загрузки после каждого цикла</source>
        <translation>Purga de gas. Análisis de carga tras cada ciclo</translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation>Salida de relé 5</translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation>Salida de relé 6</translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation>Salida de relé 7</translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation>Salida de relé 8</translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation>Salida de relé 9</translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation>Salida de relé 10</translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation>Salida de relé 11</translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation>Salida de relé 12</translation>
    </message>
    <message>
        <source>Авария СУ</source>
        <translation>Fallo de la estación</translation>
    </message>
    <message>
        <source>Время задержки срабатывания</source>
        <translation>Retardo de actuación</translation>
    </message>
    <message>
        <source>Время удержания реле</source>
        <translation>Tiempo de retención del relé</translation>
    </message>
    <message>
        <source>Цифр. вх. 13</source>
        <translation>ED 13</translation>
    </message>
    <message>
        <source>Цифр. вх. 14</source>
        <translation>ED 14</translation>
    </message>
    <message>
        <source>Цифр. вх. 15</source>
        <translation>ED 15</translation>
    </message>
    <message>
        <source>Цифр. вх. 16</source>
        <translation>ED 16</translation>
    </message>
    <message>
        <source>Цифр. вх. 17</source>
        <translation>ED 17</translation>
    </message>
    <message>
        <source>Цифр. вх. 18</source>
        <translation>ED 18</translation>
    </message>
    <message>
        <source>Цифр. вх. 19</source>
        <translation>ED 19</translation>
    </message>
    <message>
        <source>Цифр. вх. 20</source>
        <translation>ED 20</translation>
    </message>
    <message>
        <source>Цифр. вх. 21</source>
        <translation>ED 21</translation>
    </message>
    <message>
        <source>Цифр. вх. 22</source>
        <translation>ED 22</translation>
    </message>
    <message>
        <source>Цифр. вх. 23</source>
        <translation>ED 23</translation>
    </message>
    <message>
        <source>Цифр. вх. 24</source>
        <translation>ED 24</translation>
    </message>
    <message>
        <source>СА Учитывать дату изготовления СУ</source>
        <translation>AE Considerar la fecha de fabricación de la estación</translation>
    </message>
    <message>
        <source>Блокирововать кнопки</source>
        <translation>Bloquear teclas</translation>
    </message>
    <message>
        <source>Шлюз</source>
        <translation>Pasarela</translation>
    </message>
    <message>
        <source>Уставки останова двигателя</source>
        <translation>Consignas de parada del motor</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Время увеличения частоты</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Tiempo de subida de frecuencia</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Время уменьшения частоты</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Tiempo de bajada de frecuencia</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР) Шаг изменения частоты</source>
        <translation>Cambio programado de frecuencia (puesta en régimen) Paso de cambio de frecuencia</translation>
    </message>
    <message>
        <source>Тип калибровки</source>
        <translation>Tipo de calibración</translation>
    </message>
    <message>
        <source>Аварийная кнопка</source>
        <translation>Botón de emergencia</translation>
    </message>
    <message>
        <source>Запуск и останов по SCADA в ручном режиме работы</source>
        <translation>Arranque y parada por SCADA en modo manual</translation>
    </message>
    <message>
        <source>Время максимум</source>
        <translation>Tiempo máximo</translation>
    </message>
    <message>
        <source>Действие защиты максимум</source>
        <translation>Acción de protección máximo</translation>
    </message>
    <message>
        <source>Задержка АПВ максимум</source>
        <translation>Retardo de rearranque máximo</translation>
    </message>
    <message>
        <source>Вых. частота</source>
        <translation>Frecuencia sal.</translation>
    </message>
    <message>
        <source>Уставка частоты</source>
        <translation>Consigna de frecuencia</translation>
    </message>
    <message>
        <source>Вых. напряж.</source>
        <translation>Tensión sal.</translation>
    </message>
    <message>
        <source>Тип управления</source>
        <translation>Tipo de control</translation>
    </message>
    <message>
        <source>Напр.вращения</source>
        <translation>Sentido de giro</translation>
    </message>
    <message>
        <source>Ток DC</source>
        <translation>Corriente DC</translation>
    </message>
    <message>
        <source>Напряжение DC</source>
        <translation>Tensión DC</translation>
    </message>
    <message>
        <source>Активная мощн.</source>
        <translation>Potencia activa</translation>
    </message>
    <message>
        <source>Полная мощн.</source>
        <translation>Potencia aparente</translation>
    </message>
    <message>
        <source>Номинальная мощность ПЭД</source>
        <translation>Potencia nominal del motor</translation>
    </message>
    <message>
        <source>Номинальное напряжение ПЭД</source>
        <translation>Tensión nominal del motor</translation>
    </message>
    <message>
        <source>Номинальный ток ПЭД</source>
        <translation>Corriente nominal del motor</translation>
    </message>
    <message>
        <source>Номинальная скорость ПЭД</source>
        <translation>Velocidad nominal del motor</translation>
    </message>
    <message>
        <source>Номинальная частота ПЭД</source>
        <translation>Frecuencia nominal del motor</translation>
    </message>
    <message>
        <source>Номинальный коэффициент мощности ПЭД</source>
        <translation>Factor de potencia nominal del motor</translation>
    </message>
    <message>
        <source>Индуктивность по оси d</source>
        <translation>Inductancia en eje d</translation>
    </message>
    <message>
        <source>Количество пар полюсов ПЭД</source>
        <translation>Cantidad de pares de polos del motor</translation>
    </message>
    <message>
        <source>Минимальная частота</source>
        <translation>Frecuencia mínima</translation>
    </message>
    <message>
        <source>Максимальная частота</source>
        <translation>Frecuencia máxima</translation>
    </message>
    <message>
        <source>Время разгона</source>
        <translation>Tiempo de aceleración</translation>
    </message>
    <message>
        <source>Время торможен.</source>
        <translation>Tiempo de frenado</translation>
    </message>
    <message>
        <source>Характеристика U/f</source>
        <translation>Característica U/f</translation>
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
        <translation>Constante de tiempo de promediado de corriente</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП5</source>
        <translation>Pal. estado VSD 5</translation>
    </message>
    <message>
        <source>Коэффициент отображения тока</source>
        <translation>Coeficiente de visualización de corriente</translation>
    </message>
    <message>
        <source>Конфигурация разъема платы расширения</source>
        <translation>Configuración del conector de la placa de expansión</translation>
    </message>
    <message>
        <source>Состояние дискретных выходов</source>
        <translation>Estado de las salidas digitales</translation>
    </message>
    <message>
        <source>Состояние дискретных входов</source>
        <translation>Estado de las entradas digitales</translation>
    </message>
    <message>
        <source>Маска включения выходов</source>
        <translation>Máscara de activación de salidas</translation>
    </message>
    <message>
        <source>Маска выключения выходов</source>
        <translation>Máscara de desactivación de salidas</translation>
    </message>
    <message>
        <source>Температура включения вентилятора</source>
        <translation>Temperatura de conexión del ventilador</translation>
    </message>
    <message>
        <source>Температура выключения вентилятора</source>
        <translation>Temperatura de desconexión del ventilador</translation>
    </message>
    <message>
        <source>Период проверки температуры вентилятора</source>
        <translation>Periodo de control de temperatura del ventilador</translation>
    </message>
    <message>
        <source>Измерение мощности</source>
        <translation>Medición de potencia</translation>
    </message>
    <message>
        <source>Частота удержания</source>
        <translation>Frecuencia de retención</translation>
    </message>
    <message>
        <source>Темп снижения частоты при токоограничении</source>
        <translation>Tasa de reducción de frecuencia en limitación de corriente</translation>
    </message>
    <message>
        <source>Темп снижения частоты при нехватке напряжения</source>
        <translation>Tasa de reducción de frecuencia por falta de tensión</translation>
    </message>
    <message>
        <source>Подхват. Напряжение форсировки</source>
        <translation>Arranque al vuelo. Tensión de forzado</translation>
    </message>
    <message>
        <source>Подхват. Частота форсировки</source>
        <translation>Arranque al vuelo. Frecuencia de forzado</translation>
    </message>
    <message>
        <source>Компенсации нагрузки</source>
        <translation>Compensación de carga</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент частотного контура</source>
        <translation>Ganancia proporcional del lazo de frecuencia</translation>
    </message>
    <message>
        <source>Интегральный коэффициент частотного контура</source>
        <translation>Ganancia integral del lazo de frecuencia</translation>
    </message>
    <message>
        <source>Коэффициент перехода с вектора на U/f</source>
        <translation>Coeficiente de transición de vectorial a U/f</translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП (128)</source>
        <translation>Inductancia total a la salida del VSD (128)</translation>
    </message>
    <message>
        <source>Интегральный коэффициент фазового контура</source>
        <translation>Ganancia integral del lazo de fase</translation>
    </message>
    <message>
        <source>Компенсация выходного напряжения по амплитуде</source>
        <translation>Compensación de amplitud de la tensión de salida</translation>
    </message>
    <message>
        <source>Компенсация фазы выходного напряжения</source>
        <translation>Compensación de fase de la tensión de salida</translation>
    </message>
    <message>
        <source>Т1 тиристора дравера 1</source>
        <translation>T1 tiristor driver 1</translation>
    </message>
    <message>
        <source>Максимальное напряжение DC</source>
        <translation>Tensión DC máxima</translation>
    </message>
    <message>
        <source>Т2 тиристора дравера 1</source>
        <translation>T2 tiristor driver 1</translation>
    </message>
    <message>
        <source>Пусковая частота ВПЭД</source>
        <translation>Frecuencia de arranque del motor PM</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент фазового контура</source>
        <translation>Ganancia proporcional del lazo de fase</translation>
    </message>
    <message>
        <source>Пропорциональный коэффициент подавления резонанса</source>
        <translation>Ganancia proporcional de supresión de resonancia</translation>
    </message>
    <message>
        <source>Начальная частота подавления резонанса</source>
        <translation>Frecuencia inicial de supresión de resonancia</translation>
    </message>
    <message>
        <source>Фаза выходного тока B</source>
        <translation>Fase de corriente de salida B</translation>
    </message>
    <message>
        <source>Фаза выходного тока C</source>
        <translation>Fase de corriente de salida C</translation>
    </message>
    <message>
        <source>Подхват. Время торможения</source>
        <translation>Arranque al vuelo. Tiempo de frenado</translation>
    </message>
    <message>
        <source>Напряжение окончания разряда</source>
        <translation>Tensión de fin de descarga</translation>
    </message>
    <message>
        <source>Подхват. Начальная частота режима остановки турбинного вращения</source>
        <translation>Arranque al vuelo. Frecuencia inicial de parada de rotación de turbina</translation>
    </message>
    <message>
        <source>Автоадаптация. Измерительный ток автонастройки</source>
        <translation>Autoadaptación. Corriente de medición de autoajuste</translation>
    </message>
    <message>
        <source>Автоадаптация. Измерительное напряж. автонастройки</source>
        <translation>Autoadaptación. Tensión de medición de autoajuste</translation>
    </message>
    <message>
        <source>Фаза выходного тока A</source>
        <translation>Fase de corriente de salida A</translation>
    </message>
    <message>
        <source>Фаза тока</source>
        <translation>Fase de corriente</translation>
    </message>
    <message>
        <source>Выходной ток ПЧ</source>
        <translation>Corriente de salida del VSD</translation>
    </message>
    <message>
        <source>Порог ограничителя по действующему току</source>
        <translation>Umbral del limitador por corriente eficaz</translation>
    </message>
    <message>
        <source>Делитель частоты работы ограничителя тока</source>
        <translation>Divisor de frecuencia del limitador de corriente</translation>
    </message>
    <message>
        <source>Угол фиксации вектора в режиме OVERPWM2</source>
        <translation>Ángulo de fijación del vector en modo OVERPWM2</translation>
    </message>
    <message>
        <source>Постоянная времени режима OVERPWM</source>
        <translation>Constante de tiempo del modo OVERPWM</translation>
    </message>
    <message>
        <source>Напряжение подхвата</source>
        <translation>Tensión de arranque al vuelo</translation>
    </message>
    <message>
        <source>Номинальный ток ЧРП</source>
        <translation>Corriente nominal del VSD</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ЧРП</source>
        <translation>Constante de tiempo de sobrecarga del VSD</translation>
    </message>
    <message>
        <source>Масштаб измерения напряжения</source>
        <translation>Escala de medición de tensión</translation>
    </message>
    <message>
        <source>Масштаб измерения тока</source>
        <translation>Escala de medición de corriente</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 1</source>
        <translation>Delta de temperatura fase 0 driver 1</translation>
    </message>
    <message>
        <source>Чувствительность ограничителя по току</source>
        <translation>Sensibilidad del limitador de corriente</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП3</source>
        <translation>Pal. estado VSD 3</translation>
    </message>
    <message>
        <source>Время разгона до номинал. частоты</source>
        <translation>Tiempo de aceleración a frecuencia nominal</translation>
    </message>
    <message>
        <source>Время торм. с номинал. частоты</source>
        <translation>Tiempo de frenado desde frecuencia nominal</translation>
    </message>
    <message>
        <source>Сопротивление статора</source>
        <translation>Resistencia del estátor</translation>
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
        <translation>Supresión de resonancia</translation>
    </message>
    <message>
        <source>Постоянная времени системы подавления резонанса</source>
        <translation>Constante de tiempo de supresión de resonancia</translation>
    </message>
    <message>
        <source>Минимальный ток при низкой скорости</source>
        <translation>Corriente mínima a baja velocidad</translation>
    </message>
    <message>
        <source>Режим пуска вентильного двигателя</source>
        <translation>Modo de arranque del motor PM</translation>
    </message>
    <message>
        <source>Функция при остановке</source>
        <translation>Función en parada</translation>
    </message>
    <message>
        <source>Длительность действия тока (2-07)</source>
        <translation>Duración de la corriente (2-07)</translation>
    </message>
    <message>
        <source>Ограничение момента</source>
        <translation>Límite de par</translation>
    </message>
    <message>
        <source>Предел тока двигателя (4-18)</source>
        <translation>Límite de corriente del motor (4-18)</translation>
    </message>
    <message>
        <source>Минимальная скорость</source>
        <translation>Velocidad mínima</translation>
    </message>
    <message>
        <source>Частота ШИМ</source>
        <translation>Frecuencia PWM</translation>
    </message>
    <message>
        <source>Сверхмодуляция</source>
        <translation>Sobremodulación</translation>
    </message>
    <message>
        <source>Минимальное напряжение DC</source>
        <translation>Tensión DC mínima</translation>
    </message>
    <message>
        <source>Режим сброса</source>
        <translation>Modo de restablecimiento</translation>
    </message>
    <message>
        <source>Постоянная времени перегрузки ПЧ</source>
        <translation>Constante de tiempo de sobrecarga del VSD</translation>
    </message>
    <message>
        <source>Задержка перед выключение при пределе моменте</source>
        <translation>Retardo de disparo en límite de par</translation>
    </message>
    <message>
        <source>Время фильтра регулятора предела по току</source>
        <translation>Tiempo de filtro del regulador de límite de corriente</translation>
    </message>
    <message>
        <source>Компенсация напряжения постоянного тока</source>
        <translation>Compensación de tensión DC</translation>
    </message>
    <message>
        <source>Управление вентилятором</source>
        <translation>Control del ventilador</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 1</source>
        <translation>T1 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 1</source>
        <translation>T2 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Tемпер. igbt 1</source>
        <translation>Temp. IGBT 1</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 1</source>
        <translation>T3 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 1</source>
        <translation>T4 fase 0 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 1</source>
        <translation>T1 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 1</source>
        <translation>T2 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 1</source>
        <translation>T3 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Время применения высокого пускового момента</source>
        <translation>Tiempo de par de arranque alto</translation>
    </message>
    <message>
        <source>Пусковой ток в % от номинального</source>
        <translation>Corriente de arranque en % de la nominal</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uab</source>
        <translation>Coef. corr. tensión Uab</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Ubс</source>
        <translation>Coef. corr. tensión Ubc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Uca</source>
        <translation>Coef. corr. tensión Uca</translation>
    </message>
    <message>
        <source>Коэфф.коррек.напряж.Udc</source>
        <translation>Coef. corr. tensión Udc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.тока Idc</source>
        <translation>Coef. corr. corriente Idc</translation>
    </message>
    <message>
        <source>Коэфф.коррек.показ.напряж.Uвых</source>
        <translation>Coef. corr. tensión mostrada Usal</translation>
    </message>
    <message>
        <source>Омическое сопротивление фазы</source>
        <translation>Resistencia óhmica de fase</translation>
    </message>
    <message>
        <source>Нижний предел регулирования для ВД</source>
        <translation>Límite inferior de regulación para motor PM</translation>
    </message>
    <message>
        <source>Верхний предел регулирования для ВД</source>
        <translation>Límite superior de regulación para motor PM</translation>
    </message>
    <message>
        <source>Максимальный угол положения ротора для ВД</source>
        <translation>Ángulo máx. de posición del rotor para motor PM</translation>
    </message>
    <message>
        <source>Стабилизация выходного напряжения</source>
        <translation>Estabilización de la tensión de salida</translation>
    </message>
    <message>
        <source>Сдвиг контроллера</source>
        <translation>Desfase del controlador</translation>
    </message>
    <message>
        <source>Сдвиг ТМПН</source>
        <translation>Desfase SUT</translation>
    </message>
    <message>
        <source>Тип торможения</source>
        <translation>Tipo de frenado</translation>
    </message>
    <message>
        <source>Максимальная доб. верхнего предела для ВД</source>
        <translation>Adición máx. al límite superior para motor PM</translation>
    </message>
    <message>
        <source>Сл.сост.ЧРП4</source>
        <translation>Pal. estado VSD 4</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uab</source>
        <translation>Tensión de línea de entrada Uab</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Ubc</source>
        <translation>Tensión de línea de entrada Ubc</translation>
    </message>
    <message>
        <source>Напряжение входное линейное Uca</source>
        <translation>Tensión de línea de entrada Uca</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iu</source>
        <translation>Coef. de corrección de corriente Iu</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iv</source>
        <translation>Coef. de corrección de corriente Iv</translation>
    </message>
    <message>
        <source>Коэф. коррекции тока Iw</source>
        <translation>Coef. de corrección de corriente Iw</translation>
    </message>
    <message>
        <source>Температура выходного фильтра</source>
        <translation>Temperatura del filtro de salida</translation>
    </message>
    <message>
        <source>Температура выходного фильтра 2</source>
        <translation>Temperatura del filtro de salida 2</translation>
    </message>
    <message>
        <source>Источник U/f</source>
        <translation>Fuente U/f</translation>
    </message>
    <message>
        <source>Сопротивление изоляции</source>
        <translation>Resistencia de aislamiento</translation>
    </message>
    <message>
        <source>Температура пласта</source>
        <translation>Temperatura de la formación</translation>
    </message>
    <message>
        <source>Коэф.МТЗ мотор</source>
        <translation>Coef. protección de sobrecorriente motor</translation>
    </message>
    <message>
        <source>Максимально допустимое отклонение частоты векторного режима</source>
        <translation>Desviación de frecuencia máx. admisible en modo vectorial</translation>
    </message>
    <message>
        <source>Интегральный коэффициент подавления резонанса</source>
        <translation>Ganancia integral de supresión de resonancia</translation>
    </message>
    <message>
        <source>Вых. Мгновенная мощность</source>
        <translation>Potencia instantánea de salida</translation>
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
        <translation>Modo de modulación</translation>
    </message>
    <message>
        <source>Тип подавления резонанса</source>
        <translation>Tipo de supresión de resonancia</translation>
    </message>
    <message>
        <source>Т1 тиристора драйвера 0</source>
        <translation>T1 tiristor driver 0</translation>
    </message>
    <message>
        <source>Т2 тиристора драйвера 0</source>
        <translation>T2 tiristor driver 0</translation>
    </message>
    <message>
        <source>Т1 платы измерений</source>
        <translation>T1 placa de medición</translation>
    </message>
    <message>
        <source>Т2 платы измерений</source>
        <translation>T2 placa de medición</translation>
    </message>
    <message>
        <source>Т3 платы измерений</source>
        <translation>T3 placa de medición</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 0</source>
        <translation>T aire driver 0</translation>
    </message>
    <message>
        <source>Т1 фазы 0 драйвера 0</source>
        <translation>T1 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т воздуха драйвера 1</source>
        <translation>T aire driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 1 драйвера 0</source>
        <translation>T1 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 1</source>
        <translation>Delta de temperatura fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 0</source>
        <translation>T1 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 0 драйвера 0</source>
        <translation>T2 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 1 драйвера 0</source>
        <translation>T2 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 0</source>
        <translation>T2 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 0 драйвера 0</source>
        <translation>T3 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 1 драйвера 0</source>
        <translation>T3 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 0</source>
        <translation>T3 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 0 драйвера 0</source>
        <translation>T4 fase 0 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 0</source>
        <translation>T4 fase 1 driver 0</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 0</source>
        <translation>T4 fase 2 driver 0</translation>
    </message>
    <message>
        <source>Текущий коэффициент регулирования</source>
        <translation>Coeficiente de regulación actual</translation>
    </message>
    <message>
        <source>Текущий угол дельта тета положения ротора</source>
        <translation>Ángulo delta theta actual de posición del rotor</translation>
    </message>
    <message>
        <source>Тепловая защита IGBT</source>
        <translation>Protección térmica IGBT</translation>
    </message>
    <message>
        <source>Тепловая защита отсека электроники</source>
        <translation>Protección térmica del compartimento electrónico</translation>
    </message>
    <message>
        <source>Режим работы термодатчиков</source>
        <translation>Modo de los sensores de temperatura</translation>
    </message>
    <message>
        <source>Мониторы питания</source>
        <translation>Monitores de alimentación</translation>
    </message>
    <message>
        <source>Пусковое напряжение</source>
        <translation>Tensión de arranque</translation>
    </message>
    <message>
        <source>Макс. время токоограничения</source>
        <translation>Máx. tiempo de limitación de corriente</translation>
    </message>
    <message>
        <source>Действующий ток фазы</source>
        <translation>Corriente eficaz de fase</translation>
    </message>
    <message>
        <source>Коэффициент нормиров. хар-ки</source>
        <translation>Coef. de normalización de la curva</translation>
    </message>
    <message>
        <source>Среднее значение вх. Напряжения</source>
        <translation>Valor medio de la tensión de entrada</translation>
    </message>
    <message>
        <source>Т4 фазы 1 драйвера 1</source>
        <translation>T4 fase 1 driver 1</translation>
    </message>
    <message>
        <source>Т1 фазы 2 драйвера 1</source>
        <translation>T1 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Т2 фазы 2 драйвера 1</source>
        <translation>T2 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Т3 фазы 2 драйвера 1</source>
        <translation>T3 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Т4 фазы 2 драйвера 1</source>
        <translation>T4 fase 2 driver 1</translation>
    </message>
    <message>
        <source>Добавка уровня токоограничения</source>
        <translation>Incremento del nivel de limitación de corriente</translation>
    </message>
    <message>
        <source>Суммарное выходное сопротивление</source>
        <translation>Resistencia total de salida</translation>
    </message>
    <message>
        <source>Индуктивность на выходе СУ</source>
        <translation>Inductancia a la salida de la estación</translation>
    </message>
    <message>
        <source>Уставка перегрузки по току ЧРП</source>
        <translation>Consigna de sobrecarga de corriente del VSD</translation>
    </message>
    <message>
        <source>Синхронизация с сетью</source>
        <translation>Sincronización con la red</translation>
    </message>
    <message>
        <source>Команда перехода с режима на режим</source>
        <translation>Comando de cambio de modo</translation>
    </message>
    <message>
        <source>Состояние перехода</source>
        <translation>Estado de transición</translation>
    </message>
    <message>
        <source>Коэффициент коррекции Riz</source>
        <translation>Coeficiente de corrección Riz</translation>
    </message>
    <message>
        <source>Максимальный ток ЧРП</source>
        <translation>Corriente máxima del VSD</translation>
    </message>
    <message>
        <source>Пусковой ток</source>
        <translation>Corriente de arranque</translation>
    </message>
    <message>
        <source>Коэфф. трансформации трансформаторов выходного тока</source>
        <translation>Relación de los transformadores de corriente de salida</translation>
    </message>
    <message>
        <source>Т4 платы измерений</source>
        <translation>T4 placa de medición</translation>
    </message>
    <message>
        <source>Снижение частоты</source>
        <translation>Reducción de frecuencia</translation>
    </message>
    <message>
        <source>Смещение угла расчета Id конечное</source>
        <translation>Desfase final del ángulo de cálculo de Id</translation>
    </message>
    <message>
        <source>Стартовый угол в режиме регулятора угла</source>
        <translation>Ángulo inicial en modo de regulador de ángulo</translation>
    </message>
    <message>
        <source>Коэффициент демпфирования</source>
        <translation>Coeficiente de amortiguación</translation>
    </message>
    <message>
        <source>Текущее значение тока Id</source>
        <translation>Valor actual de la corriente Id</translation>
    </message>
    <message>
        <source>Тип векторного управления</source>
        <translation>Tipo de control vectorial</translation>
    </message>
    <message>
        <source>Пусковой коэффициент</source>
        <translation>Coeficiente de arranque</translation>
    </message>
    <message>
        <source>Время старта</source>
        <translation>Tiempo de inicio</translation>
    </message>
    <message>
        <source>Косинус срыва синхронизации</source>
        <translation>Coseno de pérdida de sincronismo</translation>
    </message>
    <message>
        <source>Контроль срыва синхронизации по косинусу</source>
        <translation>Control de pérdida de sincronismo por coseno</translation>
    </message>
    <message>
        <source>Пусковое время для контроля срыва синхронизации по косинусу</source>
        <translation>Tiempo de arranque sin control de pérdida de sincronismo por coseno</translation>
    </message>
    <message>
        <source>Стартовый ток ВД</source>
        <translation>Corriente de arranque del motor PM</translation>
    </message>
    <message>
        <source>Температура прогрева</source>
        <translation>Temperatura de precalentamiento</translation>
    </message>
    <message>
        <source>Температура включения обдува реактора</source>
        <translation>Temperatura de activación del soplado del reactor</translation>
    </message>
    <message>
        <source>Положение датчика тока</source>
        <translation>Posición del sensor de corriente</translation>
    </message>
    <message>
        <source>Просадка напряжения DC до нуля</source>
        <translation>Caída de tensión DC a cero</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 0 драйвера 0</source>
        <translation>Delta de temperatura fase 0 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 1 драйвера 0</source>
        <translation>Delta de temperatura fase 1 driver 0</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 0</source>
        <translation>Delta de temperatura fase 2 driver 0</translation>
    </message>
    <message>
        <source>Регистр управления прокси</source>
        <translation>Registro de control del proxy</translation>
    </message>
    <message>
        <source>Блокировка двери Отключение питания</source>
        <translation>Bloqueo de puerta Desconexión de alimentación</translation>
    </message>
    <message>
        <source>Индуктивность для расчетов</source>
        <translation>Inductancia para cálculos</translation>
    </message>
    <message>
        <source>Нормирование времени</source>
        <translation>Normalización de tiempo</translation>
    </message>
    <message>
        <source>Регистр управления proxy</source>
        <translation>Registro de control del proxy</translation>
    </message>
    <message>
        <source>Скорость порта ЧРП</source>
        <translation>Velocidad del puerto VSD</translation>
    </message>
    <message>
        <source>Уровень рассогласования тока в ветвях фаз</source>
        <translation>Nivel de desajuste de corriente en ramas de fase</translation>
    </message>
    <message>
        <source>Гармонический анализ</source>
        <translation>Análisis de armónicos</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на низкой скорости</source>
        <translation>Compensación de carga a baja velocidad</translation>
    </message>
    <message>
        <source>Компенсация нагрузки на высокой скорости</source>
        <translation>Compensación de carga a alta velocidad</translation>
    </message>
    <message>
        <source>Коэффициент трансформации входных токов</source>
        <translation>Relación de transformación de corrientes de entrada</translation>
    </message>
    <message>
        <source>Смещение угла расчёта Id начальное</source>
        <translation>Desfase inicial del ángulo de cálculo de Id</translation>
    </message>
    <message>
        <source>Температура входного фильтра или фильтра DC</source>
        <translation>Temperatura del filtro de entrada o del filtro DC</translation>
    </message>
    <message>
        <source>Дельта температуры фазы 2 драйвера 1</source>
        <translation>Delta de temperatura fase 2 driver 1</translation>
    </message>
    <message>
        <source>Управление ШИМ при просадках</source>
        <translation>Control PWM en caídas de tensión</translation>
    </message>
    <message>
        <source>P на приёме</source>
        <translation>P admisión</translation>
    </message>
    <message>
        <source>Т обм. двиг.</source>
        <translation>T devan. motor</translation>
    </message>
    <message>
        <source>Т на приёме</source>
        <translation>T admisión</translation>
    </message>
    <message>
        <source>Gx двигателя</source>
        <translation>Gx motor</translation>
    </message>
    <message>
        <source>Gy двигателя</source>
        <translation>Gy motor</translation>
    </message>
    <message>
        <source>Gz двигателя</source>
        <translation>Gz motor</translation>
    </message>
    <message>
        <source>Р на выкиде</source>
        <translation>P descarga</translation>
    </message>
    <message>
        <source>Т на выкиде</source>
        <translation>T descarga</translation>
    </message>
    <message>
        <source>Q на выкиде</source>
        <translation>Q descarga</translation>
    </message>
    <message>
        <source>Gху двигателя</source>
        <translation>Gxy motor</translation>
    </message>
    <message>
        <source>Gхуz двигателя</source>
        <translation>Gxyz motor</translation>
    </message>
    <message>
        <source>Макс.Рвх</source>
        <translation>Máx. Padm</translation>
    </message>
    <message>
        <source>Максимальная температура обмотки</source>
        <translation>Temperatura máxima del devanado</translation>
    </message>
    <message>
        <source>Максимальная температура на приёме</source>
        <translation>Temperatura máxima en admisión</translation>
    </message>
    <message>
        <source>Максимальное ускорение</source>
        <translation>Aceleración máxima</translation>
    </message>
    <message>
        <source>Отказ связи ТМСП</source>
        <translation>Fallo de enlace unidad de fondo</translation>
    </message>
    <message>
        <source>Код изготовителя ТМСП</source>
        <translation>Código de fabricante unidad de fondo</translation>
    </message>
    <message>
        <source>Серийный номер ТМСП</source>
        <translation>Nº de serie unidad de fondo</translation>
    </message>
    <message>
        <source>Дата изготовления ТМСП</source>
        <translation>Fecha de fabricación unidad de fondo</translation>
    </message>
    <message>
        <source>Код конструкции ТМСП</source>
        <translation>Código de diseño unidad de fondo</translation>
    </message>
    <message>
        <source>Код протокола ТМСП</source>
        <translation>Código de protocolo unidad de fondo</translation>
    </message>
    <message>
        <source>Состав датчиков ТМСП</source>
        <translation>Conjunto de sensores unidad de fondo</translation>
    </message>
    <message>
        <source>ПО ТМСП</source>
        <translation>Software unidad de fondo</translation>
    </message>
    <message>
        <source>Длительность периода передачи одного бита</source>
        <translation>Duración del periodo de un bit</translation>
    </message>
    <message>
        <source>Код завода изготовителя ТМСН</source>
        <translation>Código de fabricante unidad de superficie</translation>
    </message>
    <message>
        <source>Заводской номер ТМСН</source>
        <translation>Nº de serie unidad de superficie</translation>
    </message>
    <message>
        <source>Дата изготовления ТМСН</source>
        <translation>Fecha de fabricación unidad de superficie</translation>
    </message>
    <message>
        <source>Код конструкции ТМСН</source>
        <translation>Código de diseño unidad de superficie</translation>
    </message>
    <message>
        <source>ПО ТМСН</source>
        <translation>Software unidad de superficie</translation>
    </message>
    <message>
        <source>Код протокола ТМСН</source>
        <translation>Código de protocolo unidad de superficie</translation>
    </message>
    <message>
        <source>Минимальный расход на выкиде</source>
        <translation>Caudal mínimo en descarga</translation>
    </message>
    <message>
        <source>Максимальный расход на выкиде</source>
        <translation>Caudal máximo en descarga</translation>
    </message>
    <message>
        <source>Максимальное давление на выкиде</source>
        <translation>Presión máxima en descarga</translation>
    </message>
    <message>
        <source>Максимальная температура на выкиде</source>
        <translation>Temperatura máxima en descarga</translation>
    </message>
    <message>
        <source>Время измерения сопротивления изоляции</source>
        <translation>Tiempo de medición de resistencia de aislamiento</translation>
    </message>
    <message>
        <source>Время измерения данных и передачи</source>
        <translation>Tiempo de medición y transmisión de datos</translation>
    </message>
    <message>
        <source>Время перехода в режим измерения сопротивления изоляции</source>
        <translation>Tiempo de paso a medición de resistencia de aislamiento</translation>
    </message>
    <message>
        <source>Номер скважины</source>
        <translation>Número de pozo</translation>
    </message>
    <message>
        <source>Номер куста</source>
        <translation>Número de clúster</translation>
    </message>
    <message>
        <source>Номер ЦДНГ</source>
        <translation>Número del taller de producción</translation>
    </message>
    <message>
        <source>Адрес Modbus</source>
        <translation>Dirección Modbus</translation>
    </message>
    <message>
        <source>Скорость Modbus</source>
        <translation>Velocidad Modbus</translation>
    </message>
    <message>
        <source>Количество Стоп-бит</source>
        <translation>Bits de parada</translation>
    </message>
    <message>
        <source>Текущее дата время</source>
        <translation>Fecha y hora actuales</translation>
    </message>
    <message>
        <source>Команда чтения статических параметров</source>
        <translation>Comando de lectura de parámetros estáticos</translation>
    </message>
    <message>
        <source>Количество ошибок от ТМСП</source>
        <translation>Cantidad de errores de la unidad de fondo</translation>
    </message>
    <message>
        <source>Т масла двиг.</source>
        <translation>T aceite motor</translation>
    </message>
    <message>
        <source>Сл.сост.ТМС</source>
        <translation>Pal. estado DHS</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП</source>
        <translation>Pal. estado unidad de fondo</translation>
    </message>
    <message>
        <source>Сл.сост.ТМСП 2</source>
        <translation>Pal. estado unidad de fondo 2</translation>
    </message>
    <message>
        <source>Зенитный угол двигателя</source>
        <translation>Inclinación del motor</translation>
    </message>
    <message>
        <source>Обводненность</source>
        <translation>Corte de agua</translation>
    </message>
    <message>
        <source>Vxy насоса</source>
        <translation>Vxy bomba</translation>
    </message>
    <message>
        <source>Vz насоса</source>
        <translation>Vz bomba</translation>
    </message>
    <message>
        <source>Зенитный угол насоса</source>
        <translation>Inclinación de la bomba</translation>
    </message>
    <message>
        <source>Vxy двигателя</source>
        <translation>Vxy motor</translation>
    </message>
    <message>
        <source>Vz двигателя</source>
        <translation>Vz motor</translation>
    </message>
    <message>
        <source>Ошибочные транзакции</source>
        <translation>Transacciones fallidas</translation>
    </message>
    <message>
        <source>Удачные транзакции</source>
        <translation>Transacciones correctas</translation>
    </message>
    <message>
        <source>Счетчик последнего успешно принятого кадра</source>
        <translation>Contador de la última trama recibida</translation>
    </message>
    <message>
        <source>Время последнего пакета</source>
        <translation>Hora del último paquete</translation>
    </message>
    <message>
        <source>Конфигурация погружного блока ТМС Электон</source>
        <translation>Configuración de la unidad de fondo DHS Elekton</translation>
    </message>
    <message>
        <source>Сл.сост ТМСН</source>
        <translation>Pal. estado unidad de superficie</translation>
    </message>
    <message>
        <source>Тип датчика давления для ТМСН-2</source>
        <translation>Tipo de sensor de presión para TMSN-2</translation>
    </message>
    <message>
        <source>Единицы измерения для давления ТМСН-3</source>
        <translation>Unidades de presión para TMSN-3</translation>
    </message>
    <message>
        <source>P на приёме точное</source>
        <translation>P admisión precisa</translation>
    </message>
    <message>
        <source>Статус загрузки</source>
        <translation>Estado de carga</translation>
    </message>
    <message>
        <source>Тип погружного оборудования</source>
        <translation>Tipo de equipo de fondo</translation>
    </message>
    <message>
        <source>Актив. утечки</source>
        <translation>Fugas activas</translation>
    </message>
    <message>
        <source>Пассив. утечки</source>
        <translation>Fugas pasivas</translation>
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
        <translation>Restablecimiento PIC V2</translation>
    </message>
    <message>
        <source>Сброс пассивных утечек тока</source>
        <translation>Restablecimiento de fugas pasivas de corriente</translation>
    </message>
    <message>
        <source>Время режима RSR</source>
        <translation>Tiempo del modo RSR</translation>
    </message>
    <message>
        <source>Включение режима RSR</source>
        <translation>Activación del modo RSR</translation>
    </message>
    <message>
        <source>Служебная информация</source>
        <translation>Información de servicio</translation>
    </message>
    <message>
        <source>Тип кадра</source>
        <translation>Tipo de trama</translation>
    </message>
    <message>
        <source>Время определения отказа связи с ТМСП</source>
        <translation>Tiempo de detección de fallo de enlace unidad de fondo</translation>
    </message>
    <message>
        <source>Время сброса ТМСП</source>
        <translation>Tiempo de restablecimiento unidad de fondo</translation>
    </message>
    <message>
        <source>Сброс питания ТМСП</source>
        <translation>Restablecimiento de alimentación unidad de fondo</translation>
    </message>
    <message>
        <source>Vt</source>
        <translation>Vt</translation>
    </message>
    <message>
        <source>Счетчик потерянных кадров</source>
        <translation>Contador de tramas perdidas</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/ч</source>
        <translation>Caudal acumulado, m³/h</translation>
    </message>
    <message>
        <source>Накопленный расход, м3/сут</source>
        <translation>Caudal acumulado, m³/d</translation>
    </message>
    <message>
        <source>Звезда</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Проводимость</source>
        <translation>Conductividad</translation>
    </message>
    <message>
        <source>Задержка между запросами к ТМСН</source>
        <translation>Retardo entre consultas a la unidad de superficie</translation>
    </message>
    <message>
        <source>Общая активная энергия</source>
        <translation>Energía activa total</translation>
    </message>
    <message>
        <source>Активная энергия за текущий день</source>
        <translation>Energía activa del día actual</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий день</source>
        <translation>Energía activa del día anterior</translation>
    </message>
    <message>
        <source>Активная энергия за текущий месяц</source>
        <translation>Energía activa del mes actual</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий месяц</source>
        <translation>Energía activa del mes anterior</translation>
    </message>
    <message>
        <source>Коэффициент трансформации тока</source>
        <translation>Relación de transformación de corriente</translation>
    </message>
    <message>
        <source>Активная энергия за предыдущий год</source>
        <translation>Energía activa del año anterior</translation>
    </message>
    <message>
        <source>Активная энергия за текущий год</source>
        <translation>Energía activa del año actual</translation>
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
        <translation>Manómetro de contacto</translation>
    </message>
    <message>
        <source>Авария реле контроля фаз</source>
        <translation>Fallo del relé de control de fases</translation>
    </message>
    <message>
        <source>Разрешение на запуск</source>
        <translation>Permiso de arranque</translation>
    </message>
    <message>
        <source>Аварийное отключение</source>
        <translation>Desconexión de emergencia</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>АПВ</source>
        <translation>Rearranque</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Однократно</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Постоянно</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Devanado</translation>
    </message>
    <message>
        <source>Масло</source>
        <translation>Aceite</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
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
        <translation>Menos</translation>
    </message>
    <message>
        <source>Плюс</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Откл. пит.</source>
        <translation>Desc. alim.</translation>
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
        <translation>Asíncrono</translation>
    </message>
    <message>
        <source>Вентильный</source>
        <translation>Imán permanente</translation>
    </message>
    <message>
        <source>Векторное</source>
        <translation>Vectorial</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Ток</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Прямая</source>
        <translation>Directa</translation>
    </message>
    <message>
        <source>Обратная</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Поддержание</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>Следование</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>1,0 кГц</source>
        <translation>1,0 kHz</translation>
    </message>
    <message>
        <source>1,5 кГц</source>
        <translation>1,5 kHz</translation>
    </message>
    <message>
        <source>2,0 кГц</source>
        <translation>2,0 kHz</translation>
    </message>
    <message>
        <source>2,5 кГц</source>
        <translation>2,5 kHz</translation>
    </message>
    <message>
        <source>3,0 кГц</source>
        <translation>3,0 kHz</translation>
    </message>
    <message>
        <source>3,5 кГц</source>
        <translation>3,5 kHz</translation>
    </message>
    <message>
        <source>4,0 кГц</source>
        <translation>4,0 kHz</translation>
    </message>
    <message>
        <source>5,0 кГц</source>
        <translation>5,0 kHz</translation>
    </message>
    <message>
        <source>6,0 кГц</source>
        <translation>6,0 kHz</translation>
    </message>
    <message>
        <source>7,0 кГц</source>
        <translation>7,0 kHz</translation>
    </message>
    <message>
        <source>8,0 кГц</source>
        <translation>8,0 kHz</translation>
    </message>
    <message>
        <source>9,0 кГц</source>
        <translation>9,0 kHz</translation>
    </message>
    <message>
        <source>12,0 кГц</source>
        <translation>12,0 kHz</translation>
    </message>
    <message>
        <source>14,0 кГц</source>
        <translation>14,0 kHz</translation>
    </message>
    <message>
        <source>16,0 кГц</source>
        <translation>16,0 kHz</translation>
    </message>
    <message>
        <source>Суммарная</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Раздельная</source>
        <translation>Separada</translation>
    </message>
    <message>
        <source>Замыкание</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Размыкание</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Реверс</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Защита</source>
        <translation>Protección</translation>
    </message>
    <message>
        <source>Кнопка оператора</source>
        <translation>Botón del operador</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Advertencia</translation>
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
        <translation>No seleccionado</translation>
    </message>
    <message>
        <source>Виброскорость</source>
        <translation>Velocidad de vibración</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Алюминий</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Инд. сопр. фазы</source>
        <translation>Reactancia ind. de fase</translation>
    </message>
    <message>
        <source>Инд. по осям</source>
        <translation>Ind. por ejes</translation>
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
        <translation>Contador</translation>
    </message>
    <message>
        <source>Фазное</source>
        <translation>De fase</translation>
    </message>
    <message>
        <source>Линейное</source>
        <translation>De línea</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Coeficiente</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>0 - 10 В</source>
        <translation>0 - 10 V</translation>
    </message>
    <message>
        <source>Работа</source>
        <translation>Marcha</translation>
    </message>
    <message>
        <source>СУ готова к запуску</source>
        <translation>Estación lista para arranque</translation>
    </message>
    <message>
        <source>Удалённое управление</source>
        <translation>Control remoto</translation>
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
        <translation>Directo</translation>
    </message>
    <message>
        <source>Обратное</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Плавный</source>
        <translation>Rampa</translation>
    </message>
    <message>
        <source>Выбегом</source>
        <translation>Por inercia</translation>
    </message>
    <message>
        <source>Линейная</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Квадратичная</source>
        <translation>Cuadrática</translation>
    </message>
    <message>
        <source>Обр. квадр.</source>
        <translation>Cuadr. inv.</translation>
    </message>
    <message>
        <source>По точкам</source>
        <translation>Por puntos</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Мин.ток</source>
        <translation>Corr. mín.</translation>
    </message>
    <message>
        <source>Основной</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Резервный</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>На входе</source>
        <translation>En la entrada</translation>
    </message>
    <message>
        <source>На выходе</source>
        <translation>En la salida</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Чёт</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Нечёт</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Потеряна</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Восстановлена</source>
        <translation>Restablecida</translation>
    </message>
    <message>
        <source>Останов</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Неизвестный</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Медь</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Индуктивность</source>
        <translation>Inductancia</translation>
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
        <translation>Operador</translation>
    </message>
    <message>
        <source>Недогруз двигателя</source>
        <translation>Subcarga del motor</translation>
    </message>
    <message>
        <source>Перегруз двигателя</source>
        <translation>Sobrecarga del motor</translation>
    </message>
    <message>
        <source>Снижение питания сети</source>
        <translation>Baja tensión de red</translation>
    </message>
    <message>
        <source>Превышение питания сети</source>
        <translation>Sobretensión de red</translation>
    </message>
    <message>
        <source>Перекос фаз сети</source>
        <translation>Desequilibrio de fases de red</translation>
    </message>
    <message>
        <source>Взлом СУ</source>
        <translation>Intrusión en estación</translation>
    </message>
    <message>
        <source>Таймер</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>ТМС. Нет связи</source>
        <translation>DHS. Sin comunicación</translation>
    </message>
    <message>
        <source>Pmin на приёме насоса</source>
        <translation>Pmin en admisión de bomba</translation>
    </message>
    <message>
        <source>Перегрев двигателя</source>
        <translation>Sobrecalentamiento del motor</translation>
    </message>
    <message>
        <source>Pmax на приёме насоса</source>
        <translation>Pmax en admisión de bomba</translation>
    </message>
    <message>
        <source>Превышение вибрации</source>
        <translation>Vibración excesiva</translation>
    </message>
    <message>
        <source>Ток утечки</source>
        <translation>Corriente de fuga</translation>
    </message>
    <message>
        <source>Аварийный стоп</source>
        <translation>Parada de emergencia</translation>
    </message>
    <message>
        <source>Ошибка параметров</source>
        <translation>Error de parámetros</translation>
    </message>
    <message>
        <source>Дисбаланс токов ПЭД</source>
        <translation>Desequilibrio de corrientes del motor</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения</source>
        <translation>Desequilibrio de tensión</translation>
    </message>
    <message>
        <source>Авария ЧРП</source>
        <translation>Fallo VSD</translation>
    </message>
    <message>
        <source>Перегрев ЧРП</source>
        <translation>Sobrecalentamiento VSD</translation>
    </message>
    <message>
        <source>По программе</source>
        <translation>Por programa</translation>
    </message>
    <message>
        <source>Периодический режим</source>
        <translation>Modo periódico</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Макс.</source>
        <translation>EA 1 Máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Макс.</source>
        <translation>EA 2 Máx.</translation>
    </message>
    <message>
        <source>Телеуправление</source>
        <translation>Telemando</translation>
    </message>
    <message>
        <source>Обрыв фазы двигателя</source>
        <translation>Pérdida de fase del motor</translation>
    </message>
    <message>
        <source>Отключение питания сети</source>
        <translation>Desconexión de red</translation>
    </message>
    <message>
        <source>Заклинивание</source>
        <translation>Atasco</translation>
    </message>
    <message>
        <source>Сброс параметров</source>
        <translation>Restablecimiento de parámetros</translation>
    </message>
    <message>
        <source>Смена режима работы</source>
        <translation>Cambio de modo de control</translation>
    </message>
    <message>
        <source>Перегрев масла</source>
        <translation>Sobrecalentamiento del aceite</translation>
    </message>
    <message>
        <source>Низкое сопротивление изоляции</source>
        <translation>Baja resistencia de aislamiento</translation>
    </message>
    <message>
        <source>Ошибка памяти</source>
        <translation>Error de memoria</translation>
    </message>
    <message>
        <source>Ошибка часов</source>
        <translation>Error de reloj</translation>
    </message>
    <message>
        <source>Счётчик. Нет связи</source>
        <translation>Contador. Sin comunicación</translation>
    </message>
    <message>
        <source>Снижение частоты сети</source>
        <translation>Frecuencia de red baja</translation>
    </message>
    <message>
        <source>Превышение частоты сети</source>
        <translation>Frecuencia de red alta</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Мин.</source>
        <translation>EA 1 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Мин.</source>
        <translation>EA 2 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Мин.</source>
        <translation>EA 3 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Мин.</source>
        <translation>EA 4 Mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Макс.</source>
        <translation>EA 3 Máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Макс.</source>
        <translation>EA 4 Máx.</translation>
    </message>
    <message>
        <source>Предел тока двигателя</source>
        <translation>Límite de corriente del motor</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД</source>
        <translation>Pérdida de sincronismo motor PM</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП</source>
        <translation>Protecciones hardware VSD</translation>
    </message>
    <message>
        <source>ЧРП. Нет связи</source>
        <translation>VSD. Sin comunicación</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов</source>
        <translation>Desequilibrio de corrientes de entrada</translation>
    </message>
    <message>
        <source>Перегрев трансформатора</source>
        <translation>Sobrecalentamiento del transformador</translation>
    </message>
    <message>
        <source>Превышение числа пусков</source>
        <translation>Exceso de arranques</translation>
    </message>
    <message>
        <source>Минимальный расход</source>
        <translation>Caudal mínimo</translation>
    </message>
    <message>
        <source>Pmax на выкиде насоса</source>
        <translation>Pmax en descarga de bomba</translation>
    </message>
    <message>
        <source>Перегрев фильтра</source>
        <translation>Sobrecalentamiento del filtro</translation>
    </message>
    <message>
        <source>Tmax на выкиде насоса</source>
        <translation>Tmax en descarga de bomba</translation>
    </message>
    <message>
        <source>Чередование фаз</source>
        <translation>Secuencia de fases</translation>
    </message>
    <message>
        <source>Обрыв датчика тока</source>
        <translation>Rotura del sensor de corriente</translation>
    </message>
    <message>
        <source>Низкое напряжение звена DC</source>
        <translation>Baja tensión del bus DC</translation>
    </message>
    <message>
        <source>Высокое напряжение звена DC</source>
        <translation>Alta tensión del bus DC</translation>
    </message>
    <message>
        <source>Замыкание на землю</source>
        <translation>Fallo a tierra</translation>
    </message>
    <message>
        <source>Перегрузка ЧРП</source>
        <translation>Sobrecarga VSD</translation>
    </message>
    <message>
        <source>Перегрев радиатора</source>
        <translation>Sobrecalentamiento del disipador</translation>
    </message>
    <message>
        <source>Неисправность вентилятора</source>
        <translation>Fallo del ventilador</translation>
    </message>
    <message>
        <source>Авария ИБП</source>
        <translation>Fallo SAI</translation>
    </message>
    <message>
        <source>Открыта дверь</source>
        <translation>Puerta abierta</translation>
    </message>
    <message>
        <source>Турбинное вращение при пуске</source>
        <translation>Rotación de turbina en el arranque</translation>
    </message>
    <message>
        <source>Ошибка синхронизации</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Неуспешный пуск</source>
        <translation>Arranque fallido</translation>
    </message>
    <message>
        <source>Низкий уровень жидкости</source>
        <translation>Nivel de fluido bajo</translation>
    </message>
    <message>
        <source>Газ на приёме насоса</source>
        <translation>Gas en admisión de bomba</translation>
    </message>
    <message>
        <source>Снижение дебита</source>
        <translation>Caída de producción</translation>
    </message>
    <message>
        <source>Потеря подачи</source>
        <translation>Pérdida de caudal</translation>
    </message>
    <message>
        <source>Ошибка плавного пуска</source>
        <translation>Error de arranque suave</translation>
    </message>
    <message>
        <source>Ошибка внешнего контроллера</source>
        <translation>Error del controlador externo</translation>
    </message>
    <message>
        <source>Байпас</source>
        <translation>Bypass</translation>
    </message>
    <message>
        <source>Внешний останов</source>
        <translation>Parada externa</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Цифровой вход</source>
        <translation>Entrada digital</translation>
    </message>
    <message>
        <source>Включение питания</source>
        <translation>Conexión de alimentación</translation>
    </message>
    <message>
        <source>Восстановление питания сети</source>
        <translation>Restablecimiento de red</translation>
    </message>
    <message>
        <source>Автоматический перезапуск</source>
        <translation>Rearranque automático</translation>
    </message>
    <message>
        <source>Поддержание давления</source>
        <translation>Mantenimiento de presión</translation>
    </message>
    <message>
        <source>Встряхивание</source>
        <translation>Sacudida</translation>
    </message>
    <message>
        <source>Раскачка</source>
        <translation>Balanceo</translation>
    </message>
    <message>
        <source>Прокачка</source>
        <translation>Purga de gas</translation>
    </message>
    <message>
        <source>АПВ после турбинного вращения</source>
        <translation>Rearranque tras rotación de turbina</translation>
    </message>
    <message>
        <source>АПВ по сопротивлению изоляции</source>
        <translation>Rearranque por resistencia de aislamiento</translation>
    </message>
    <message>
        <source>АПВ по недогрузу</source>
        <translation>Rearranque por subcarga</translation>
    </message>
    <message>
        <source>АПВ по перегрузу</source>
        <translation>Rearranque por sobrecarga</translation>
    </message>
    <message>
        <source>АПВ по напряжению</source>
        <translation>Rearranque por tensión</translation>
    </message>
    <message>
        <source>Смена направления вращения</source>
        <translation>Cambio de sentido de giro</translation>
    </message>
    <message>
        <source>АПВ по дисбалансу напряжения</source>
        <translation>Rearranque por desequilibrio de tensión</translation>
    </message>
    <message>
        <source>АПВ после аварии ЧРП</source>
        <translation>Rearranque tras fallo VSD</translation>
    </message>
    <message>
        <source>АПВ по перегреву ЧРП</source>
        <translation>Rearranque por sobrecalentamiento VSD</translation>
    </message>
    <message>
        <source>Пуск по программе</source>
        <translation>Arranque por programa</translation>
    </message>
    <message>
        <source>Пуск в периодическом режиме</source>
        <translation>Arranque en modo periódico</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 1 Макс.</source>
        <translation>Rearranque por EA 1 Máx.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 2 Макс.</source>
        <translation>Rearranque por EA 2 Máx.</translation>
    </message>
    <message>
        <source>Пуск по телеуправлению</source>
        <translation>Arranque por telemando</translation>
    </message>
    <message>
        <source>АПВ по обрыву фазы двигателя</source>
        <translation>Rearranque por pérdida de fase del motor</translation>
    </message>
    <message>
        <source>Пуск после отключения питания сети</source>
        <translation>Arranque tras desconexión de red</translation>
    </message>
    <message>
        <source>АПВ после заклинивания</source>
        <translation>Rearranque tras atasco</translation>
    </message>
    <message>
        <source>Пуск после сброса параметров</source>
        <translation>Arranque tras restablecer parámetros</translation>
    </message>
    <message>
        <source>Пуск при смене режима работы</source>
        <translation>Arranque al cambiar modo de control</translation>
    </message>
    <message>
        <source>АПВ по перегреву масла</source>
        <translation>Rearranque por sobrecalentamiento del aceite</translation>
    </message>
    <message>
        <source>АПВ по низкому сопротивлению изоляции</source>
        <translation>Rearranque por baja resistencia de aislamiento</translation>
    </message>
    <message>
        <source>Пуск после ошибки памяти</source>
        <translation>Arranque tras error de memoria</translation>
    </message>
    <message>
        <source>Пуск после ошибки часов</source>
        <translation>Arranque tras error de reloj</translation>
    </message>
    <message>
        <source>Пуск после восстановления связи со счётчиком</source>
        <translation>Arranque tras restablecer comunicación con contador</translation>
    </message>
    <message>
        <source>АПВ по снижению частоты сети</source>
        <translation>Rearranque por frecuencia de red baja</translation>
    </message>
    <message>
        <source>АПВ по превышению частоты сети</source>
        <translation>Rearranque por frecuencia de red alta</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 1 Мин.</source>
        <translation>Rearranque por EA 1 Mín.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 2 Мин.</source>
        <translation>Rearranque por EA 2 Mín.</translation>
    </message>
    <message>
        <source>Пуск с сервисной программы</source>
        <translation>Arranque desde programa de servicio</translation>
    </message>
    <message>
        <source>Пуск с командной консоли</source>
        <translation>Arranque desde consola de comandos</translation>
    </message>
    <message>
        <source>Пуск после калибровки</source>
        <translation>Arranque tras calibración</translation>
    </message>
    <message>
        <source>Отложенный пуск</source>
        <translation>Arranque diferido</translation>
    </message>
    <message>
        <source>Пуск после снятия блокировки</source>
        <translation>Arranque tras desbloqueo</translation>
    </message>
    <message>
        <source>Пуск после перезагрузки ПО</source>
        <translation>Arranque tras reinicio de software</translation>
    </message>
    <message>
        <source>Пуск после загрузки конфигурации</source>
        <translation>Arranque tras carga de configuración</translation>
    </message>
    <message>
        <source>Пуск после автоадаптации</source>
        <translation>Arranque tras autoadaptación</translation>
    </message>
    <message>
        <source>Пуск после автонастройки</source>
        <translation>Arranque tras autoajuste</translation>
    </message>
    <message>
        <source>Пуск с подхватом</source>
        <translation>Arranque al vuelo</translation>
    </message>
    <message>
        <source>Толчковый пуск</source>
        <translation>Arranque por impulsos</translation>
    </message>
    <message>
        <source>Пуск с раскачкой</source>
        <translation>Arranque con balanceo</translation>
    </message>
    <message>
        <source>Пуск с синхронизацией</source>
        <translation>Arranque con sincronización</translation>
    </message>
    <message>
        <source>Пуск с пропуском резонансных частот</source>
        <translation>Arranque con salto de frecuencias de resonancia</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом</source>
        <translation>Arranque con par elevado</translation>
    </message>
    <message>
        <source>Плавный пуск</source>
        <translation>Arranque suave</translation>
    </message>
    <message>
        <source>Пуск по спецалгоритму</source>
        <translation>Arranque por algoritmo especial</translation>
    </message>
    <message>
        <source>Пуск в режиме чередования частот</source>
        <translation>Arranque en modo alternancia de frecuencias</translation>
    </message>
    <message>
        <source>Пуск в режиме ВНР</source>
        <translation>Arranque en modo puesta en régimen</translation>
    </message>
    <message>
        <source>Пуск в режиме поддержания параметра</source>
        <translation>Arranque en modo mantenimiento de parámetro</translation>
    </message>
    <message>
        <source>Пуск в режиме оптимизации напряжения</source>
        <translation>Arranque en modo optimización de tensión</translation>
    </message>
    <message>
        <source>Пуск в режиме токоограничения</source>
        <translation>Arranque en modo limitación de corriente</translation>
    </message>
    <message>
        <source>Пуск после встряхивания</source>
        <translation>Arranque tras sacudida</translation>
    </message>
    <message>
        <source>Пуск после прокачки газа</source>
        <translation>Arranque tras purga de gas</translation>
    </message>
    <message>
        <source>Пуск при работе от ИБП</source>
        <translation>Arranque con alimentación SAI</translation>
    </message>
    <message>
        <source>Пуск после возврата питания с ИБП</source>
        <translation>Arranque tras retorno de alimentación SAI</translation>
    </message>
    <message>
        <source>Пуск после переключения байпаса</source>
        <translation>Arranque tras conmutación de bypass</translation>
    </message>
    <message>
        <source>Пуск после сброса аварии ЧРП</source>
        <translation>Arranque tras restablecer fallo VSD</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 1</source>
        <translation>Arranque por ED 1</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 2</source>
        <translation>Arranque por ED 2</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 3</source>
        <translation>Arranque por ED 3</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 4</source>
        <translation>Arranque por ED 4</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 5</source>
        <translation>Arranque por ED 5</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 6</source>
        <translation>Arranque por ED 6</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 7</source>
        <translation>Arranque por ED 7</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 8</source>
        <translation>Arranque por ED 8</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 9</source>
        <translation>Arranque por ED 9</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 10</source>
        <translation>Arranque por ED 10</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 11</source>
        <translation>Arranque por ED 11</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 12</source>
        <translation>Arranque por ED 12</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 13</source>
        <translation>Arranque por ED 13</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 14</source>
        <translation>Arranque por ED 14</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 15</source>
        <translation>Arranque por ED 15</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 16</source>
        <translation>Arranque por ED 16</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 17</source>
        <translation>Arranque por ED 17</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 18</source>
        <translation>Arranque por ED 18</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 19</source>
        <translation>Arranque por ED 19</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 20</source>
        <translation>Arranque por ED 20</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 21</source>
        <translation>Arranque por ED 21</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 22</source>
        <translation>Arranque por ED 22</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 23</source>
        <translation>Arranque por ED 23</translation>
    </message>
    <message>
        <source>Пуск по цифр. вх. 24</source>
        <translation>Arranque por ED 24</translation>
    </message>
    <message>
        <source>Пуск по разрешению на запуск</source>
        <translation>Arranque por permiso de arranque</translation>
    </message>
    <message>
        <source>Пуск после аварийного останова</source>
        <translation>Arranque tras parada de emergencia</translation>
    </message>
    <message>
        <source>Пуск после ошибки параметров</source>
        <translation>Arranque tras error de parámetros</translation>
    </message>
    <message>
        <source>Пуск после смены направления вращения</source>
        <translation>Arranque tras cambio de sentido de giro</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 3 Мин.</source>
        <translation>Rearranque por EA 3 Mín.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 4 Мин.</source>
        <translation>Rearranque por EA 4 Mín.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 3 Макс.</source>
        <translation>Rearranque por EA 3 Máx.</translation>
    </message>
    <message>
        <source>АПВ по Ан. вх. 4 Макс.</source>
        <translation>Rearranque por EA 4 Máx.</translation>
    </message>
    <message>
        <source>АПВ по пределу тока двигателя</source>
        <translation>Rearranque por límite de corriente del motor</translation>
    </message>
    <message>
        <source>АПВ по рассинхронизации ПВЭД</source>
        <translation>Rearranque por pérdida de sincronismo motor PM</translation>
    </message>
    <message>
        <source>АПВ по аппаратным защитам ЧРП</source>
        <translation>Rearranque por protecciones hardware VSD</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 1</source>
        <translation>Rearranque por ED 1</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 2</source>
        <translation>Rearranque por ED 2</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 3</source>
        <translation>Rearranque por ED 3</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 4</source>
        <translation>Rearranque por ED 4</translation>
    </message>
    <message>
        <source>Пуск после восстановления связи с ЧРП</source>
        <translation>Arranque tras restablecer comunicación con VSD</translation>
    </message>
    <message>
        <source>АПВ по дисбалансу входных токов</source>
        <translation>Rearranque por desequilibrio de corrientes de entrada</translation>
    </message>
    <message>
        <source>АПВ по перегреву трансформатора</source>
        <translation>Rearranque por sobrecalentamiento del transformador</translation>
    </message>
    <message>
        <source>Пуск после блокировки по числу пусков</source>
        <translation>Arranque tras bloqueo por exceso de arranques</translation>
    </message>
    <message>
        <source>АПВ по минимальному расходу</source>
        <translation>Rearranque por caudal mínimo</translation>
    </message>
    <message>
        <source>АПВ по Pmax на выкиде насоса</source>
        <translation>Rearranque por Pmax en descarga de bomba</translation>
    </message>
    <message>
        <source>АПВ по перегреву фильтра</source>
        <translation>Rearranque por sobrecalentamiento del filtro</translation>
    </message>
    <message>
        <source>АПВ по Tmax на выкиде насоса</source>
        <translation>Rearranque por Tmax en descarga de bomba</translation>
    </message>
    <message>
        <source>Пуск после восстановления чередования фаз</source>
        <translation>Arranque tras restablecer secuencia de fases</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 7</source>
        <translation>Rearranque por ED 7</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 8</source>
        <translation>Rearranque por ED 8</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 9</source>
        <translation>Rearranque por ED 9</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 10</source>
        <translation>Rearranque por ED 10</translation>
    </message>
    <message>
        <source>Пуск после восстановления датчика тока</source>
        <translation>Arranque tras restablecer sensor de corriente</translation>
    </message>
    <message>
        <source>АПВ по низкому напряжению звена DC</source>
        <translation>Rearranque por baja tensión del bus DC</translation>
    </message>
    <message>
        <source>АПВ по высокому напряжению звена DC</source>
        <translation>Rearranque por alta tensión del bus DC</translation>
    </message>
    <message>
        <source>АПВ после замыкания на землю</source>
        <translation>Rearranque tras fallo a tierra</translation>
    </message>
    <message>
        <source>АПВ по перегрузке ЧРП</source>
        <translation>Rearranque por sobrecarga VSD</translation>
    </message>
    <message>
        <source>АПВ по перегреву радиатора</source>
        <translation>Rearranque por sobrecalentamiento del disipador</translation>
    </message>
    <message>
        <source>Пуск после ремонта вентилятора</source>
        <translation>Arranque tras reparar ventilador</translation>
    </message>
    <message>
        <source>Пуск после аварии ИБП</source>
        <translation>Arranque tras fallo SAI</translation>
    </message>
    <message>
        <source>Пуск после закрытия двери</source>
        <translation>Arranque tras cerrar la puerta</translation>
    </message>
    <message>
        <source>Пуск после окончания турбинного вращения</source>
        <translation>Arranque tras fin de rotación de turbina</translation>
    </message>
    <message>
        <source>Повторный пуск после ошибки синхронизации</source>
        <translation>Nuevo arranque tras error de sincronización</translation>
    </message>
    <message>
        <source>Повторный пуск после неуспешного</source>
        <translation>Nuevo arranque tras uno fallido</translation>
    </message>
    <message>
        <source>Пуск после накопления жидкости</source>
        <translation>Arranque tras acumulación de fluido</translation>
    </message>
    <message>
        <source>Пуск после удаления газа</source>
        <translation>Arranque tras eliminación de gas</translation>
    </message>
    <message>
        <source>АПВ по снижению дебита</source>
        <translation>Rearranque por caída de producción</translation>
    </message>
    <message>
        <source>АПВ по потере подачи</source>
        <translation>Rearranque por pérdida de caudal</translation>
    </message>
    <message>
        <source>Повторный плавный пуск</source>
        <translation>Nuevo arranque suave</translation>
    </message>
    <message>
        <source>Пуск от внешнего контроллера</source>
        <translation>Arranque por controlador externo</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 13</source>
        <translation>Rearranque por ED 13</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 14</source>
        <translation>Rearranque por ED 14</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 15</source>
        <translation>Rearranque por ED 15</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 16</source>
        <translation>Rearranque por ED 16</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 17</source>
        <translation>Rearranque por ED 17</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 18</source>
        <translation>Rearranque por ED 18</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 19</source>
        <translation>Rearranque por ED 19</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 20</source>
        <translation>Rearranque por ED 20</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 21</source>
        <translation>Rearranque por ED 21</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 22</source>
        <translation>Rearranque por ED 22</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 23</source>
        <translation>Rearranque por ED 23</translation>
    </message>
    <message>
        <source>АПВ по цифр. вх. 24</source>
        <translation>Rearranque por ED 24</translation>
    </message>
    <message>
        <source>Пуск через байпас</source>
        <translation>Arranque por bypass</translation>
    </message>
    <message>
        <source>Пуск после внешнего останова</source>
        <translation>Arranque tras parada externa</translation>
    </message>
    <message>
        <source>Пуск после обновления ПО</source>
        <translation>Arranque tras actualización de software</translation>
    </message>
    <message>
        <source>Обычный</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Толчковый</source>
        <translation>Por impulsos</translation>
    </message>
    <message>
        <source>С раскачкой</source>
        <translation>Con balanceo</translation>
    </message>
    <message>
        <source>С синхронизацией</source>
        <translation>Con sincronización</translation>
    </message>
    <message>
        <source>Подхват</source>
        <translation>Arranque al vuelo</translation>
    </message>
    <message>
        <source>Пропуск резонансных частот</source>
        <translation>Salto de frecuencias de resonancia</translation>
    </message>
    <message>
        <source>С увеличенным моментом</source>
        <translation>Par elevado</translation>
    </message>
    <message>
        <source>Спецалгоритм</source>
        <translation>Algoritmo especial</translation>
    </message>
    <message>
        <source>Прямой</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Мягкий</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Автоадаптация</source>
        <translation>Autoadaptación</translation>
    </message>
    <message>
        <source>Перегрузка по току</source>
        <translation>Sobrecarga de corriente</translation>
    </message>
    <message>
        <source>Короткое замыкание</source>
        <translation>Cortocircuito</translation>
    </message>
    <message>
        <source>Перенапряжение звена DC</source>
        <translation>Sobretensión del bus DC</translation>
    </message>
    <message>
        <source>Обрыв входной фазы</source>
        <translation>Pérdida de fase de entrada</translation>
    </message>
    <message>
        <source>Перегрузка инвертора</source>
        <translation>Sobrecarga del inversor</translation>
    </message>
    <message>
        <source>Нет связи с платой управления</source>
        <translation>Sin comunicación con placa de control</translation>
    </message>
    <message>
        <source>Ошибка датчика тока</source>
        <translation>Error del sensor de corriente</translation>
    </message>
    <message>
        <source>Неисправность IGBT</source>
        <translation>Fallo IGBT</translation>
    </message>
    <message>
        <source>Внутренняя ошибка</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Предел тока</source>
        <translation>Límite de corriente</translation>
    </message>
    <message>
        <source>Высокая температура радиатора</source>
        <translation>Alta temperatura del disipador</translation>
    </message>
    <message>
        <source>Низкое напряжение сети</source>
        <translation>Baja tensión de red</translation>
    </message>
    <message>
        <source>Высокое напряжение сети</source>
        <translation>Alta tensión de red</translation>
    </message>
    <message>
        <source>Предел момента</source>
        <translation>Límite de par</translation>
    </message>
    <message>
        <source>Дисбаланс входных фаз</source>
        <translation>Desequilibrio de fases de entrada</translation>
    </message>
    <message>
        <source>Высокая температура платы</source>
        <translation>Alta temperatura de placa</translation>
    </message>
    <message>
        <source>Нет связи по резервному каналу</source>
        <translation>Sin comunicación por canal de reserva</translation>
    </message>
    <message>
        <source>Неизвестный тип пуска</source>
        <translation>Tipo de arranque desconocido</translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation>Restablecer por defecto</translation>
    </message>
    <message>
        <source>Защиты по аналоговым входам</source>
        <translation>Protecciones por entradas analógicas</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС</source>
        <translation>Pérdida de comunicación con DHS</translation>
    </message>
    <message>
        <source>Защиты по цифровым входам</source>
        <translation>Protecciones por entradas digitales</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя</source>
        <translation>Desequilibrio de corrientes del motor</translation>
    </message>
    <message>
        <source>Защита от открытия двери</source>
        <translation>Protección por apertura de puerta</translation>
    </message>
    <message>
        <source>%1 %2 
 или 
 %3</source>
        <translation>%1 %2 
 o 
 %3</translation>
    </message>
    <message>
        <source>Для включения защиты включите: 
</source>
        <translation>Para activar la protección, active: 
</translation>
    </message>
    <message>
        <source>Перегруз (ЗП)</source>
        <translation>Sobrecarga (OLP)</translation>
    </message>
    <message>
        <source>Защита от превышения числа пусков</source>
        <translation>Protección por exceso de arranques</translation>
    </message>
    <message>
        <source>Повышенное напряжение</source>
        <translation>Sobretensión</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса</source>
        <translation>Presión en descarga de bomba</translation>
    </message>
    <message>
        <source>Давление на приеме насоса</source>
        <translation>Presión en admisión de bomba</translation>
    </message>
    <message>
        <source>Температура на приёме</source>
        <translation>Temperatura en admisión</translation>
    </message>
    <message>
        <source>Температура двигателя</source>
        <translation>Temperatura del motor</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП)</source>
        <translation>Subcarga (ULP)</translation>
    </message>
    <message>
        <source>Пониженное напряжение</source>
        <translation>Subtensión</translation>
    </message>
    <message>
        <source>Вибрация двигателя</source>
        <translation>Vibración del motor</translation>
    </message>
    <message>
        <source>Защиты по ТМС</source>
        <translation>Protecciones DHS</translation>
    </message>
    <message>
        <source>Давление на приёме насоса</source>
        <translation>Presión en admisión de bomba</translation>
    </message>
    <message>
        <source>Защиты</source>
        <translation>Protecciones</translation>
    </message>
    <message>
        <source>Защиты по сети</source>
        <translation>Protecciones de red</translation>
    </message>
    <message>
        <source>Защиты двигателя</source>
        <translation>Protecciones del motor</translation>
    </message>
    <message>
        <source>Защиты прочие</source>
        <translation>Otras protecciones</translation>
    </message>
    <message>
        <source>Защита открытия двери станции</source>
        <translation>Protección por apertura de puerta de estación</translation>
    </message>
    <message>
        <source>Защита от потери связи с ЧРП</source>
        <translation>Protección por pérdida de comunicación VSD</translation>
    </message>
    <message>
        <source>Защита от перегрева фильтра</source>
        <translation>Protección por sobrecalentamiento del filtro</translation>
    </message>
    <message>
        <source>ИзмПарам</source>
        <translation>Camb.Parám</translation>
    </message>
    <message>
        <source>Сработала защита: ЧРП</source>
        <translation>Protección activada: VSD</translation>
    </message>
    <message>
        <source>Предупреждение: ЧРП</source>
        <translation>Advertencia: VSD</translation>
    </message>
    <message>
        <source>АПВ по защите</source>
        <translation>Rearranque por protección</translation>
    </message>
    <message>
        <source>Пуск запрещён</source>
        <translation>Arranque prohibido</translation>
    </message>
    <message>
        <source>Блокировка по защите</source>
        <translation>Bloqueo por protección</translation>
    </message>
    <message>
        <source>Сработала защита</source>
        <translation>Protección activada</translation>
    </message>
    <message>
        <source>Блокировка двери</source>
        <translation>Bloqueo de puerta</translation>
    </message>
    <message>
        <source>Цифровой вход 1</source>
        <translation>Entrada digital 1</translation>
    </message>
    <message>
        <source>Цифровой вход 2</source>
        <translation>Entrada digital 2</translation>
    </message>
    <message>
        <source>Цифровой вход 3</source>
        <translation>Entrada digital 3</translation>
    </message>
    <message>
        <source>Цифровой вход 4</source>
        <translation>Entrada digital 4</translation>
    </message>
    <message>
        <source>Нет питания сети</source>
        <translation>Sin alimentación de red</translation>
    </message>
    <message>
        <source>Цифровой вход 7</source>
        <translation>Entrada digital 7</translation>
    </message>
    <message>
        <source>Цифровой вход 8</source>
        <translation>Entrada digital 8</translation>
    </message>
    <message>
        <source>Цифровой вход 9</source>
        <translation>Entrada digital 9</translation>
    </message>
    <message>
        <source>Цифровой вход 10</source>
        <translation>Entrada digital 10</translation>
    </message>
    <message>
        <source>Перегруз двигателя (защита ЧРП)</source>
        <translation>Sobrecarga del motor (protección VSD)</translation>
    </message>
    <message>
        <source>Пониженное напряжение (защита ЧРП)</source>
        <translation>Subtensión (protección VSD)</translation>
    </message>
    <message>
        <source>Предел тока двигателя (защита ЧРП)</source>
        <translation>Límite de corriente del motor (protección VSD)</translation>
    </message>
    <message>
        <source>Повышенное напряжение (защита ЧРП)</source>
        <translation>Sobretensión (protección VSD)</translation>
    </message>
    <message>
        <source>Низкое напряжение шины (защита ЧРП)</source>
        <translation>Baja tensión del bus (protección VSD)</translation>
    </message>
    <message>
        <source>Pmax критическое на приёме насоса</source>
        <translation>Pmax crítica en admisión de bomba</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД (защита ЧРП)</source>
        <translation>Pérdida de sincronismo motor PM (protección VSD)</translation>
    </message>
    <message>
        <source>Отключение питания</source>
        <translation>Desconexión de alimentación</translation>
    </message>
    <message>
        <source>Перезагрузка ПО</source>
        <translation>Reinicio de software</translation>
    </message>
    <message>
        <source>Турбинное вращение. Начало</source>
        <translation>Rotación de turbina. Inicio</translation>
    </message>
    <message>
        <source>Турбинное вращение. Окончание</source>
        <translation>Rotación de turbina. Fin</translation>
    </message>
    <message>
        <source>Режим программного изменения частоты отключен</source>
        <translation>Modo de cambio programado de frecuencia desactivado</translation>
    </message>
    <message>
        <source>Режим чередования частот отключен</source>
        <translation>Modo alternancia de frecuencias desactivado</translation>
    </message>
    <message>
        <source>Режим пуска толчками отключен</source>
        <translation>Modo arranque por impulsos desactivado</translation>
    </message>
    <message>
        <source>Режим пуска раскачкой отключен</source>
        <translation>Modo arranque con balanceo desactivado</translation>
    </message>
    <message>
        <source>Режим подхвата турбинного вращения отключен</source>
        <translation>Modo arranque al vuelo con rotación de turbina desactivado</translation>
    </message>
    <message>
        <source>Режим автоадаптации отключен</source>
        <translation>Modo autoadaptación desactivado</translation>
    </message>
    <message>
        <source>Подключение ТМС</source>
        <translation>DHS conectado</translation>
    </message>
    <message>
        <source>Отключение ТМС</source>
        <translation>DHS desconectado</translation>
    </message>
    <message>
        <source>Подключение ЧРП</source>
        <translation>VSD conectado</translation>
    </message>
    <message>
        <source>Отключение ЧРП</source>
        <translation>VSD desconectado</translation>
    </message>
    <message>
        <source>Подключение СЭ</source>
        <translation>Contador conectado</translation>
    </message>
    <message>
        <source>Отключение СЭ</source>
        <translation>Contador desconectado</translation>
    </message>
    <message>
        <source>Выбрано наличие выходного фильтра</source>
        <translation>Filtro de salida instalado</translation>
    </message>
    <message>
        <source>Выбрано отсутствие выходного фильтра</source>
        <translation>Sin filtro de salida</translation>
    </message>
    <message>
        <source>Копирование архивов</source>
        <translation>Copia de registros</translation>
    </message>
    <message>
        <source>Удаление архивов</source>
        <translation>Borrado de registros</translation>
    </message>
    <message>
        <source>Удаление служебных архивов</source>
        <translation>Borrado de registros de servicio</translation>
    </message>
    <message>
        <source>Запись аварийного архива</source>
        <translation>Escritura de registro de emergencia</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 1</source>
        <translation>Señal en entrada digital 1</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 2</source>
        <translation>Señal en entrada digital 2</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 3</source>
        <translation>Señal en entrada digital 3</translation>
    </message>
    <message>
        <source>Сигнал на цифровом входе 4</source>
        <translation>Señal en entrada digital 4</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 1</source>
        <translation>Protección activada: señal mín. de entrada analógica 1</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 2</source>
        <translation>Protección activada: señal mín. de entrada analógica 2</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 3</source>
        <translation>Protección activada: señal mín. de entrada analógica 3</translation>
    </message>
    <message>
        <source>Сработала защита: По мин.сигналу аналогового входа 4</source>
        <translation>Protección activada: señal mín. de entrada analógica 4</translation>
    </message>
    <message>
        <source>Сработала защита: Превышение числа пусков</source>
        <translation>Protección activada: exceso de arranques</translation>
    </message>
    <message>
        <source>Режим работы: Ручной</source>
        <translation>Modo de control: manual</translation>
    </message>
    <message>
        <source>Режим работы: Автоматический</source>
        <translation>Modo de control: automático</translation>
    </message>
    <message>
        <source>Режим работы: По программе</source>
        <translation>Modo de control: por programa</translation>
    </message>
    <message>
        <source>Режим встряхивания частота F1</source>
        <translation>Modo sacudida, frecuencia F1</translation>
    </message>
    <message>
        <source>Режим встряхивания частота F2</source>
        <translation>Modo sacudida, frecuencia F2</translation>
    </message>
    <message>
        <source>Запуск автоадаптации</source>
        <translation>Inicio de autoadaptación</translation>
    </message>
    <message>
        <source>Автоадаптация к ТМПН векторного управления успешно завершена. Подобранное сопротивление</source>
        <translation>Autoadaptación de control vectorial al SUT completada. Resistencia obtenida</translation>
    </message>
    <message>
        <source>Автоадаптация к ТМПН векторного управления не завершена</source>
        <translation>Autoadaptación de control vectorial al SUT no completada</translation>
    </message>
    <message>
        <source>Раскачка. Начало</source>
        <translation>Balanceo. Inicio</translation>
    </message>
    <message>
        <source>Раскачка. Завершение</source>
        <translation>Balanceo. Fin</translation>
    </message>
    <message>
        <source>Толчковый. Начало</source>
        <translation>Arranque por impulsos. Inicio</translation>
    </message>
    <message>
        <source>Толчковый. Завершение</source>
        <translation>Arranque por impulsos. Fin</translation>
    </message>
    <message>
        <source>Подхват. Начало</source>
        <translation>Arranque al vuelo. Inicio</translation>
    </message>
    <message>
        <source>Подхват. Завершение</source>
        <translation>Arranque al vuelo. Fin</translation>
    </message>
    <message>
        <source>Пропуск F. Начало</source>
        <translation>Salto F. Inicio</translation>
    </message>
    <message>
        <source>Пропуск F. Завершение</source>
        <translation>Salto F. Fin</translation>
    </message>
    <message>
        <source>Пропуск F. Ошибка</source>
        <translation>Salto F. Error</translation>
    </message>
    <message>
        <source>Пропуск F. Прервано</source>
        <translation>Salto F. Interrumpido</translation>
    </message>
    <message>
        <source>Режим пропуска резонансных частот отключен</source>
        <translation>Modo salto de frecuencias de resonancia desactivado</translation>
    </message>
    <message>
        <source>Синхронизация. Начало</source>
        <translation>Sincronización. Inicio</translation>
    </message>
    <message>
        <source>Синхронизация. Завершение</source>
        <translation>Sincronización. Fin</translation>
    </message>
    <message>
        <source>Синхронизация. Ошибка</source>
        <translation>Sincronización. Error</translation>
    </message>
    <message>
        <source>Режим пуска с синхронизацией отключен</source>
        <translation>Modo arranque con sincronización desactivado</translation>
    </message>
    <message>
        <source>Толчковый. Ошибка задания параметра</source>
        <translation>Arranque por impulsos. Error de ajuste de parámetro</translation>
    </message>
    <message>
        <source>Толчковый. Прервано</source>
        <translation>Arranque por impulsos. Interrumpido</translation>
    </message>
    <message>
        <source>Раскачка. Ошибка</source>
        <translation>Balanceo. Error</translation>
    </message>
    <message>
        <source>Раскачка. Прервано</source>
        <translation>Balanceo. Interrumpido</translation>
    </message>
    <message>
        <source>Выбрано наличие входного фильтра</source>
        <translation>Filtro de entrada instalado</translation>
    </message>
    <message>
        <source>Выбрано отсутствие входного фильтра</source>
        <translation>Sin filtro de entrada</translation>
    </message>
    <message>
        <source>Подхват. Ошибка</source>
        <translation>Arranque al vuelo. Error</translation>
    </message>
    <message>
        <source>Подхват. Прервано</source>
        <translation>Arranque al vuelo. Interrumpido</translation>
    </message>
    <message>
        <source>Восстановление связи с ТМСП</source>
        <translation>Comunicación con unidad de fondo restablecida</translation>
    </message>
    <message>
        <source>Отказ связи с ТМСП</source>
        <translation>Fallo de comunicación con unidad de fondo</translation>
    </message>
    <message>
        <source>Датчик давления на приёме насоса в норме</source>
        <translation>Sensor de presión en admisión de bomba OK</translation>
    </message>
    <message>
        <source>Отказ датчика давления на приёме насоса</source>
        <translation>Fallo del sensor de presión en admisión de bomba</translation>
    </message>
    <message>
        <source>Датчик температуры на приеме насоса в норме</source>
        <translation>Sensor de temperatura en admisión de bomba OK</translation>
    </message>
    <message>
        <source>Отказ датчика температуры на приеме насоса</source>
        <translation>Fallo del sensor de temperatura en admisión de bomba</translation>
    </message>
    <message>
        <source>Датчик температуры обмотки ПЭД в норме</source>
        <translation>Sensor de temperatura de devanado del motor OK</translation>
    </message>
    <message>
        <source>Температура обмотки ПЭД. Отказ датчика</source>
        <translation>Temperatura de devanado del motor. Fallo del sensor</translation>
    </message>
    <message>
        <source>Датчик температуры масла ПЭД в норме</source>
        <translation>Sensor de temperatura de aceite del motor OK</translation>
    </message>
    <message>
        <source>Отказ датчика температуры масла ПЭД</source>
        <translation>Fallo del sensor de temperatura de aceite del motor</translation>
    </message>
    <message>
        <source>Датчик вибрации по оси X в норме</source>
        <translation>Sensor de vibración eje X OK</translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси X</source>
        <translation>Fallo del sensor de vibración eje X</translation>
    </message>
    <message>
        <source>Датчик вибрации по оси Y в норме</source>
        <translation>Sensor de vibración eje Y OK</translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси Y</source>
        <translation>Fallo del sensor de vibración eje Y</translation>
    </message>
    <message>
        <source>Датчик вибрации по оси Z в норме</source>
        <translation>Sensor de vibración eje Z OK</translation>
    </message>
    <message>
        <source>Отказ датчика вибрации по оси Z</source>
        <translation>Fallo del sensor de vibración eje Z</translation>
    </message>
    <message>
        <source>Датчик давления на выкиде насоса в НКТ в норме</source>
        <translation>Sensor de presión en descarga de bomba en tubería OK</translation>
    </message>
    <message>
        <source>Отказ датчика давления на выкиде насоса в НКТ</source>
        <translation>Fallo del sensor de presión en descarga de bomba en tubería</translation>
    </message>
    <message>
        <source>Датчик давления на выкиде насоса, затрубное в норме</source>
        <translation>Sensor de presión en descarga de bomba, anular, OK</translation>
    </message>
    <message>
        <source>Отказ датчика давления на выкиде насоса, затрубное</source>
        <translation>Fallo del sensor de presión en descarga de bomba, anular</translation>
    </message>
    <message>
        <source>Датчик температуры на выкиде насоса в норме</source>
        <translation>Sensor de temperatura en descarga de bomba OK</translation>
    </message>
    <message>
        <source>Отказ датчика температуры на выкиде насоса</source>
        <translation>Fallo del sensor de temperatura en descarga de bomba</translation>
    </message>
    <message>
        <source>Датчик расхода жидкости на выкиде насоса в норме</source>
        <translation>Sensor de caudal en descarga de bomba OK</translation>
    </message>
    <message>
        <source>Отказ датчика расхода жидкости на выкиде насоса</source>
        <translation>Fallo del sensor de caudal en descarga de bomba</translation>
    </message>
    <message>
        <source>Датчик обводненности в норме</source>
        <translation>Sensor de corte de agua OK</translation>
    </message>
    <message>
        <source>Отказ датчика обводненности</source>
        <translation>Fallo del sensor de corte de agua</translation>
    </message>
    <message>
        <source>Прямой пуск. Начало</source>
        <translation>Arranque directo. Inicio</translation>
    </message>
    <message>
        <source>Прямой пуск. Завершение</source>
        <translation>Arranque directo. Fin</translation>
    </message>
    <message>
        <source>Прямой пуск. Ошибка</source>
        <translation>Arranque directo. Error</translation>
    </message>
    <message>
        <source>Прямой пуск. Отключён</source>
        <translation>Arranque directo. Desactivado</translation>
    </message>
    <message>
        <source>Выбрано наличие байпасных контакторов</source>
        <translation>Contactores de bypass instalados</translation>
    </message>
    <message>
        <source>Выбрано отсутствие байпасных контакторов</source>
        <translation>Sin contactores de bypass</translation>
    </message>
    <message>
        <source>Сохранение уставок в профиль</source>
        <translation>Guardado de consignas en perfil</translation>
    </message>
    <message>
        <source>Загрузка уставок из профиля</source>
        <translation>Carga de consignas desde perfil</translation>
    </message>
    <message>
        <source>Сохранение конфигурации на USB накопитель</source>
        <translation>Guardado de configuración en memoria USB</translation>
    </message>
    <message>
        <source>Загрузка конфигурации c USB накопителя</source>
        <translation>Carga de configuración desde memoria USB</translation>
    </message>
    <message>
        <source>Сброс счётчиков</source>
        <translation>Restablecimiento de contadores</translation>
    </message>
    <message>
        <source>Сброс уставок ЧРП</source>
        <translation>Restablecimiento de consignas VSD</translation>
    </message>
    <message>
        <source>ТМС. Сброс счётчиков качества связи</source>
        <translation>DHS. Restabl. contadores de calidad de enlace</translation>
    </message>
    <message>
        <source>ЧРП. Сброс счётчиков качества связи</source>
        <translation>VSD. Restabl. contadores de calidad de enlace</translation>
    </message>
    <message>
        <source>СЭ. Сброс счётчиков качества связи</source>
        <translation>Contador. Restabl. contadores de calidad de enlace</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 1</source>
        <translation>Protección activada: señal máx. de entrada analógica 1</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 2</source>
        <translation>Protección activada: señal máx. de entrada analógica 2</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 3</source>
        <translation>Protección activada: señal máx. de entrada analógica 3</translation>
    </message>
    <message>
        <source>Сработала защита: По макc.сигналу аналогового входа 4</source>
        <translation>Protección activada: señal máx. de entrada analógica 4</translation>
    </message>
    <message>
        <source>Пркч. F1</source>
        <translation>Purga de gas F1</translation>
    </message>
    <message>
        <source>Пркч. F2</source>
        <translation>Purga de gas F2</translation>
    </message>
    <message>
        <source>Пркч. Начало цикла</source>
        <translation>Purga de gas. Inicio de ciclo</translation>
    </message>
    <message>
        <source>Работа от ИБП</source>
        <translation>Funcionamiento con SAI</translation>
    </message>
    <message>
        <source>Оптимизация напряжения</source>
        <translation>Optimización de tensión</translation>
    </message>
    <message>
        <source>Оптимизация напряжения завершена</source>
        <translation>Optimización de tensión completada</translation>
    </message>
    <message>
        <source>Оптимизация напряжения возврат характеристики</source>
        <translation>Optimización de tensión: retorno de curva</translation>
    </message>
    <message>
        <source>Оптимизация напряжения прервана</source>
        <translation>Optimización de tensión interrumpida</translation>
    </message>
    <message>
        <source>Останов двигателя</source>
        <translation>Parada del motor</translation>
    </message>
    <message>
        <source>Сработала защита: Чередование фаз</source>
        <translation>Protección activada: secuencia de fases</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом завершен</source>
        <translation>Arranque con par elevado completado</translation>
    </message>
    <message>
        <source>Режим пуска с увеличенным моментом отключен</source>
        <translation>Modo arranque con par elevado desactivado</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом ошибка</source>
        <translation>Arranque con par elevado: error</translation>
    </message>
    <message>
        <source>Пуск с увеличенным моментом прерван</source>
        <translation>Arranque con par elevado interrumpido</translation>
    </message>
    <message>
        <source>Синхронизация. Прервано</source>
        <translation>Sincronización. Interrumpida</translation>
    </message>
    <message>
        <source>Режим встряхивания завершен</source>
        <translation>Modo sacudida completado</translation>
    </message>
    <message>
        <source>Режим чередования частот частота F1</source>
        <translation>Modo alternancia de frecuencias, frecuencia F1</translation>
    </message>
    <message>
        <source>Режим чередования частот частота F2</source>
        <translation>Modo alternancia de frecuencias, frecuencia F2</translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя</source>
        <translation>Inicio de autoajuste de parámetros del motor</translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя ошибка</source>
        <translation>Error de autoajuste de parámetros del motor</translation>
    </message>
    <message>
        <source>Пуск автонастройки параметров двигателя прерван</source>
        <translation>Autoajuste de parámetros del motor interrumpido</translation>
    </message>
    <message>
        <source>Отложенный пуск: запуск запрещён</source>
        <translation>Arranque diferido: arranque prohibido</translation>
    </message>
    <message>
        <source>Отложенный пуск: попытка запуска</source>
        <translation>Arranque diferido: intento de arranque</translation>
    </message>
    <message>
        <source>СА Активация</source>
        <translation>AE Activación</translation>
    </message>
    <message>
        <source>СА Отключение</source>
        <translation>AE Desactivación</translation>
    </message>
    <message>
        <source>Zazarere. Прервано</source>
        <translation>Zazarere. Interrumpido</translation>
    </message>
    <message>
        <source>Пркч. Ошибка</source>
        <translation>Purga de gas. Error</translation>
    </message>
    <message>
        <source>Команда пуск двигателя</source>
        <translation>Orden de arranque del motor</translation>
    </message>
    <message>
        <source>Ошибка готовности аварийных архивов ЧРП</source>
        <translation>Error de disponibilidad de registros de emergencia VSD</translation>
    </message>
    <message>
        <source>СА снижение частоты</source>
        <translation>AE Reducción de frecuencia</translation>
    </message>
    <message>
        <source>Реж.раб.</source>
        <translation>Modo ctrl.</translation>
    </message>
    <message>
        <source>Глубина спуска насоса</source>
        <translation>Profundidad de bomba</translation>
    </message>
    <message>
        <source>Повышенное напряжение Пусковое время</source>
        <translation>Sobretensión Tiempo de arranque</translation>
    </message>
    <message>
        <source>Повышенное напряжение Время</source>
        <translation>Sobretensión Tiempo de disparo</translation>
    </message>
    <message>
        <source>Повышенное напряжение Задержка АПВ</source>
        <translation>Sobretensión Retardo de rearranque</translation>
    </message>
    <message>
        <source>Повышенное напряжение Разрешено АПВ</source>
        <translation>Sobretensión Rearranques permitidos</translation>
    </message>
    <message>
        <source>Повышенное напряжение Сброс счётчиков АПВ</source>
        <translation>Sobretensión Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Повышенное напряжение Уставка останова</source>
        <translation>Sobretensión Consigna de parada</translation>
    </message>
    <message>
        <source>Пониженное напряжение Пусковое время</source>
        <translation>Subtensión Tiempo de arranque</translation>
    </message>
    <message>
        <source>Пониженное напряжение Время</source>
        <translation>Subtensión Tiempo de disparo</translation>
    </message>
    <message>
        <source>Пониженное напряжение Задержка АПВ</source>
        <translation>Subtensión Retardo de rearranque</translation>
    </message>
    <message>
        <source>Пониженное напряжение Разрешено АПВ</source>
        <translation>Subtensión Rearranques permitidos</translation>
    </message>
    <message>
        <source>Пониженное напряжение Сброс счётчиков АПВ</source>
        <translation>Subtensión Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Пониженное напряжение Уставка останова</source>
        <translation>Subtensión Consigna de parada</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Пусковое время</source>
        <translation>Desequilibrio de tensión Tiempo de arranque</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Время</source>
        <translation>Desequilibrio de tensión Tiempo de disparo</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Задержка АПВ</source>
        <translation>Desequilibrio de tensión Retardo de rearranque</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Разрешено АПВ</source>
        <translation>Desequilibrio de tensión Rearranques permitidos</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сброс счётчиков АПВ</source>
        <translation>Desequilibrio de tensión Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Уставка останова</source>
        <translation>Desequilibrio de tensión Consigna de parada</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Пусковое время</source>
        <translation>Desequilibrio de corrientes de entrada Tiempo de arranque</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Время</source>
        <translation>Desequilibrio de corrientes de entrada Tiempo de disparo</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Задержка АПВ</source>
        <translation>Desequilibrio de corrientes de entrada Retardo de rearranque</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Разрешено АПВ</source>
        <translation>Desequilibrio de corrientes de entrada Rearranques permitidos</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Сброс счётчиков АПВ</source>
        <translation>Desequilibrio de corrientes de entrada Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Дисбаланс входных токов Уставка останова</source>
        <translation>Desequilibrio de corrientes de entrada Consigna de parada</translation>
    </message>
    <message>
        <source>Черед. фаз</source>
        <translation>Sec. fases</translation>
    </message>
    <message>
        <source>Черед. фаз Уставка останова</source>
        <translation>Sec. fases Consigna de parada</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Пусковое время</source>
        <translation>Sobrecarga (OLP) Tiempo de arranque</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Время</source>
        <translation>Sobrecarga (OLP) Tiempo de disparo</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Задержка АПВ</source>
        <translation>Sobrecarga (OLP) Retardo de rearranque</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Разрешено АПВ</source>
        <translation>Sobrecarga (OLP) Rearranques permitidos</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сброс счётчиков АПВ</source>
        <translation>Sobrecarga (OLP) Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Уставка останова</source>
        <translation>Sobrecarga (OLP) Consigna de parada</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Пусковое время</source>
        <translation>Subcarga (ULP) Tiempo de arranque</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Время</source>
        <translation>Subcarga (ULP) Tiempo de disparo</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Задержка АПВ</source>
        <translation>Subcarga (ULP) Retardo de rearranque</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Разрешено АПВ</source>
        <translation>Subcarga (ULP) Rearranques permitidos</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сброс счётчиков АПВ</source>
        <translation>Subcarga (ULP) Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Уставка останова</source>
        <translation>Subcarga (ULP) Consigna de parada</translation>
    </message>
    <message>
        <source>Предел тока двигателя Задержка АПВ</source>
        <translation>Límite de corriente del motor Retardo de rearranque</translation>
    </message>
    <message>
        <source>Предел тока двигателя Разрешено АПВ</source>
        <translation>Límite de corriente del motor Rearranques permitidos</translation>
    </message>
    <message>
        <source>Предел тока двигателя Сброс счётчиков АПВ</source>
        <translation>Límite de corriente del motor Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Предел тока двигателя Уставка останова</source>
        <translation>Límite de corriente del motor Consigna de parada</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Пусковое время</source>
        <translation>Desequilibrio de corrientes del motor Tiempo de arranque</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Время</source>
        <translation>Desequilibrio de corrientes del motor Tiempo de disparo</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Задержка АПВ</source>
        <translation>Desequilibrio de corrientes del motor Retardo de rearranque</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Разрешено АПВ</source>
        <translation>Desequilibrio de corrientes del motor Rearranques permitidos</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сброс счётчиков АПВ</source>
        <translation>Desequilibrio de corrientes del motor Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Уставка останова</source>
        <translation>Desequilibrio de corrientes del motor Consigna de parada</translation>
    </message>
    <message>
        <source>Турбинное вращение Уставка останова</source>
        <translation>Rotación de turbina Consigna de parada</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя</source>
        <translation>Pérdida de sincronismo del motor</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Пусковое время</source>
        <translation>Pérdida de sincronismo del motor Tiempo de arranque</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Время</source>
        <translation>Pérdida de sincronismo del motor Tiempo de disparo</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Задержка АПВ</source>
        <translation>Pérdida de sincronismo del motor Retardo de rearranque</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Разрешено АПВ</source>
        <translation>Pérdida de sincronismo del motor Rearranques permitidos</translation>
    </message>
    <message>
        <source>Рассинхронизация двигателя Сброс счётчиков АПВ</source>
        <translation>Pérdida de sincronismo del motor Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Пусковое время</source>
        <translation>Presión en admisión de bomba Tiempo de arranque</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Время</source>
        <translation>Presión en admisión de bomba Tiempo de disparo</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Задержка АПВ</source>
        <translation>Presión en admisión de bomba Retardo de rearranque</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Разрешено АПВ</source>
        <translation>Presión en admisión de bomba Rearranques permitidos</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Сброс счётчиков АПВ</source>
        <translation>Presión en admisión de bomba Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка останова минимум</source>
        <translation>Presión en admisión de bomba Consigna de parada mínima</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка пуска</source>
        <translation>Presión en admisión de bomba Consigna de arranque</translation>
    </message>
    <message>
        <source>Температура двигателя Пусковое время</source>
        <translation>Temperatura del motor Tiempo de arranque</translation>
    </message>
    <message>
        <source>Температура двигателя Время</source>
        <translation>Temperatura del motor Tiempo de disparo</translation>
    </message>
    <message>
        <source>Температура двигателя Задержка АПВ</source>
        <translation>Temperatura del motor Retardo de rearranque</translation>
    </message>
    <message>
        <source>Температура двигателя Разрешено АПВ</source>
        <translation>Temperatura del motor Rearranques permitidos</translation>
    </message>
    <message>
        <source>Температура двигателя Сброс счётчиков АПВ</source>
        <translation>Temperatura del motor Restablecer contadores de rearranque</translation>
    </message>
    <message>
        <source>Температура двигателя Уставка останова</source>
        <translation>Temperatura del motor Consigna de parada</translation>
    </message>
    <message>
        <source>Температура двигателя Уставка пуска</source>
        <translation>Temperatura del motor Consigna de arranque</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Уставка останова</source>
        <translation>Resistencia de aislamiento Consigna de parada</translation>
    </message>
    <message>
        <source>Вибрация двигателя Пусковое время</source>
        <translation>Vibración del motor Tiempo de arranque</translation>
    </message>
    <message>
        <source>Вибрация двигателя Время</source>
        <translation>Vibración del motor Tiempo de disparo</translation>
    </message>
    <message>
        <source>Вибрация двигателя Задержка АПВ</source>
        <translation>Vibración motor Retardo rearranque</translation>
    </message>
    <message>
        <source>Вибрация двигателя Разрешено АПВ</source>
        <translation>Vibración motor Rearranques permitidos</translation>
    </message>
    <message>
        <source>Вибрация двигателя Сброс счётчиков АПВ</source>
        <translation>Vibración motor Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Вибрация двигателя Уставка останова</source>
        <translation>Vibración motor Consigna de parada</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пусковое время</source>
        <translation>EA 1 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Время минимум</source>
        <translation>EA 1 Tiempo de disparo mínimo</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Задержка АПВ</source>
        <translation>EA 1 Retardo rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Разрешено АПВ</source>
        <translation>EA 1 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сброс АПВ</source>
        <translation>EA 1 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Останов мин.</source>
        <translation>EA 1 Parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пуск мин.</source>
        <translation>EA 1 Arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Останов макс.</source>
        <translation>EA 1 Parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пусковое время</source>
        <translation>EA 2 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Время минимум</source>
        <translation>EA 2 Tiempo de disparo mínimo</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Задержка АПВ</source>
        <translation>EA 2 Retardo rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Разрешено АПВ</source>
        <translation>EA 2 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сброс АПВ</source>
        <translation>EA 2 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Останов мин.</source>
        <translation>EA 2 Parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пуск мин.</source>
        <translation>EA 2 Arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Останов макс.</source>
        <translation>EA 2 Parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пусковое время</source>
        <translation>EA 3 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Время минимум</source>
        <translation>EA 3 Tiempo de disparo mínimo</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Задержка АПВ</source>
        <translation>EA 3 Retardo rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Разрешено АПВ</source>
        <translation>EA 3 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сброс АПВ</source>
        <translation>EA 3 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Останов мин.</source>
        <translation>EA 3 Parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пуск мин.</source>
        <translation>EA 3 Arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Останов макс.</source>
        <translation>EA 3 Parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пусковое время</source>
        <translation>EA 4 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Время минимум</source>
        <translation>EA 4 Tiempo de disparo mínimo</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Задержка АПВ</source>
        <translation>EA 4 Retardo rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Разрешено АПВ</source>
        <translation>EA 4 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сброс АПВ</source>
        <translation>EA 4 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Останов мин.</source>
        <translation>EA 4 Parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пуск мин.</source>
        <translation>EA 4 Arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Останов макс.</source>
        <translation>EA 4 Parada máx.</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Пусковое время</source>
        <translation>ED 1 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Время</source>
        <translation>ED 1 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Задержка АПВ</source>
        <translation>ED 1 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Разрешено АПВ</source>
        <translation>ED 1 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сброс АПВ</source>
        <translation>ED 1 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Пусковое время</source>
        <translation>ED 2 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Время</source>
        <translation>ED 2 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Задержка АПВ</source>
        <translation>ED 2 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Разрешено АПВ</source>
        <translation>ED 2 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сброс АПВ</source>
        <translation>ED 2 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Пусковое время</source>
        <translation>ED 3 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Время</source>
        <translation>ED 3 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Задержка АПВ</source>
        <translation>ED 3 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Разрешено АПВ</source>
        <translation>ED 3 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сброс АПВ</source>
        <translation>ED 3 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Пусковое время</source>
        <translation>ED 4 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Время</source>
        <translation>ED 4 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Задержка АПВ</source>
        <translation>ED 4 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Разрешено АПВ</source>
        <translation>ED 4 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сброс АПВ</source>
        <translation>ED 4 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Превышение числа пусков Уставка останова</source>
        <translation>Exceso de arranques Consigna de parada</translation>
    </message>
    <message>
        <source>Превышение числа пусков Сброс счётчиков АПВ</source>
        <translation>Exceso de arranques Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Задержка АПВ</source>
        <translation>Protecciones hardware VSD Retardo rearranque</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Разрешено АПВ</source>
        <translation>Protecciones hardware VSD Rearranques permitidos</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Сброс счётчиков АПВ</source>
        <translation>Protecciones hardware VSD Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Периодика</source>
        <translation>Modo periódico</translation>
    </message>
    <message>
        <source>Черед. частот</source>
        <translation>Altern. de frecuencias</translation>
    </message>
    <message>
        <source>Программное изменения частоты (ВНР)</source>
        <translation>Cambio programado de frecuencia (puesta en régimen)</translation>
    </message>
    <message>
        <source>Поддержание параметра</source>
        <translation>Mantener parámetro</translation>
    </message>
    <message>
        <source>Поддержание параметра Параметр</source>
        <translation>Mantener parámetro Parámetro</translation>
    </message>
    <message>
        <source>Прокачка газа</source>
        <translation>Purga de gas</translation>
    </message>
    <message>
        <source>Токоограничение</source>
        <translation>Limitación de corriente</translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе A</source>
        <translation>Coeficiente tensión entrada A</translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе B</source>
        <translation>Coeficiente tensión entrada B</translation>
    </message>
    <message>
        <source>Коэффициент напряжения на входе C</source>
        <translation>Coeficiente tensión entrada C</translation>
    </message>
    <message>
        <source>Коэффициент тока фазы U</source>
        <translation>Coeficiente corriente fase U</translation>
    </message>
    <message>
        <source>Коэффициент тока фазы V</source>
        <translation>Coeficiente corriente fase V</translation>
    </message>
    <message>
        <source>Коэффициент тока фазы W</source>
        <translation>Coeficiente corriente fase W</translation>
    </message>
    <message>
        <source>Повышенное напряжение Сброс уставок</source>
        <translation>Sobretensión Restablecer consignas</translation>
    </message>
    <message>
        <source>Пониженное напряжение Сброс уставок</source>
        <translation>Subtensión Restablecer consignas</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сброс уставок</source>
        <translation>Desequilibrio tensión Restablecer consignas</translation>
    </message>
    <message>
        <source>Дисбаланс токов Сброс уставок</source>
        <translation>Desequilibrio corrientes Restablecer consignas</translation>
    </message>
    <message>
        <source>Черед. фаз Сброс уставок</source>
        <translation>Sec. fases Restablecer consignas</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сброс уставок</source>
        <translation>Sobrecarga (OLP) Restablecer consignas</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сброс уставок</source>
        <translation>Subcarga (ULP) Restablecer consignas</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сброс уставок</source>
        <translation>Desequilibrio corrientes motor Restablecer consignas</translation>
    </message>
    <message>
        <source>Турбинное вращение Сброс уставок</source>
        <translation>Rotación turbina Restablecer consignas</translation>
    </message>
    <message>
        <source>Рассинхронизация Сброс уставок</source>
        <translation>Pérdida de sincronismo Restablecer consignas</translation>
    </message>
    <message>
        <source>Рвх.нас. Сброс уставок</source>
        <translation>P. admisión bomba Restablecer consignas</translation>
    </message>
    <message>
        <source>Температура двигателя. Сброс уставок</source>
        <translation>Temperatura motor. Restablecer consignas</translation>
    </message>
    <message>
        <source>Сопр.изоляции. Сброс уставок</source>
        <translation>Resist. aislamiento. Restablecer consignas</translation>
    </message>
    <message>
        <source>Вибрация двиг. Сброс уставок</source>
        <translation>Vibración motor Restablecer consignas</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сброс уставок</source>
        <translation>EA 1 Restablecer consignas</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сброс уставок</source>
        <translation>EA 2 Restablecer consignas</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сброс уставок</source>
        <translation>EA 3 Restablecer consignas</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сброс уставок</source>
        <translation>EA 4 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сброс уставок</source>
        <translation>ED 1 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сброс уставок</source>
        <translation>ED 2 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сброс уставок</source>
        <translation>ED 3 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сброс уставок</source>
        <translation>ED 4 Restablecer consignas</translation>
    </message>
    <message>
        <source>U КЗ ТМПН</source>
        <translation>Ucc SUT</translation>
    </message>
    <message>
        <source>Тип счётчика электроэнергии</source>
        <translation>Tipo de contador de energía</translation>
    </message>
    <message>
        <source>Ёмк. вых. фильтра</source>
        <translation>Cap. filtro salida</translation>
    </message>
    <message>
        <source>Напряж. Сети</source>
        <translation>Tensión red</translation>
    </message>
    <message>
        <source>Макс. рабочее U</source>
        <translation>U máx. de trabajo</translation>
    </message>
    <message>
        <source>Аппарат.защиты ЧРП. Сброс уставок</source>
        <translation>Protecciones hardware VSD. Restablecer consignas</translation>
    </message>
    <message>
        <source>Макс. рабочая частота</source>
        <translation>Frecuencia máx. de trabajo</translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП</source>
        <translation>Pérdida enlace VSD</translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП Время</source>
        <translation>Pérdida enlace VSD Tiempo de disparo</translation>
    </message>
    <message>
        <source>Потеря связи с ЧРП. Сброс уставок</source>
        <translation>Pérdida enlace VSD. Restablecer consignas</translation>
    </message>
    <message>
        <source>Автоадаптация.Состояние</source>
        <translation>Autoadaptación. Estado</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Тип сигнала</source>
        <translation>ED 1 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Тип сигнала</source>
        <translation>ED 2 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Тип сигнала</source>
        <translation>ED 3 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Тип сигнала</source>
        <translation>ED 4 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Действие</source>
        <translation>ED 1 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Действие</source>
        <translation>ED 2 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Действие</source>
        <translation>ED 3 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Действие</source>
        <translation>ED 4 Acción</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Параметр</source>
        <translation>EA 1 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Тип</source>
        <translation>EA 1 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Параметр</source>
        <translation>EA 2 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Тип</source>
        <translation>EA 2 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Параметр</source>
        <translation>EA 3 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Тип</source>
        <translation>EA 3 Tipo</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Параметр</source>
        <translation>EA 4 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Тип</source>
        <translation>EA 4 Tipo</translation>
    </message>
    <message>
        <source>Коэффициент тока на входе A</source>
        <translation>Coeficiente corriente entrada A</translation>
    </message>
    <message>
        <source>Коэффициент тока на входе B</source>
        <translation>Coeficiente corriente entrada B</translation>
    </message>
    <message>
        <source>Коэффициент тока на входе C</source>
        <translation>Coeficiente corriente entrada C</translation>
    </message>
    <message>
        <source>Номинал. ток СУ</source>
        <translation>Corriente nom. estación</translation>
    </message>
    <message>
        <source>Зав.№ СУ</source>
        <translation>Nº serie estación</translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с ТМС</source>
        <translation>Restablecer contadores calidad enlace DHS</translation>
    </message>
    <message>
        <source>Сброс счётчиков качества связи с ЧРП</source>
        <translation>Restablecer contadores calidad enlace VSD</translation>
    </message>
    <message>
        <source>Отложенный пуск Время</source>
        <translation>Arranque diferido Tiempo</translation>
    </message>
    <message>
        <source>Превыш.пусков Сброс уставок</source>
        <translation>Exceso arranques Restablecer consignas</translation>
    </message>
    <message>
        <source>Минимальный расход Пусковое время</source>
        <translation>Caudal mínimo Tiempo de arranque</translation>
    </message>
    <message>
        <source>Мин. расход Время</source>
        <translation>Caudal mín. Tiempo de disparo</translation>
    </message>
    <message>
        <source>Минимальный расход Задержка АПВ</source>
        <translation>Caudal mínimo Retardo rearranque</translation>
    </message>
    <message>
        <source>Минимальный расход Разрешено АПВ</source>
        <translation>Caudal mínimo Rearranques permitidos</translation>
    </message>
    <message>
        <source>Минимальный расход Сброс счётчиков АПВ</source>
        <translation>Caudal mínimo Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Минимальный расход Уставка останова</source>
        <translation>Caudal mínimo Consigna de parada</translation>
    </message>
    <message>
        <source>Минимальный расход Сброс уставок</source>
        <translation>Caudal mínimo Restablecer consignas</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Пусковое время</source>
        <translation>Presión descarga bomba Tiempo de arranque</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Время</source>
        <translation>Presión descarga bomba Tiempo de disparo</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Задержка АПВ</source>
        <translation>Presión descarga bomba Retardo rearranque</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Разрешено АПВ</source>
        <translation>Presión descarga bomba Rearranques permitidos</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сброс счётчиков АПВ</source>
        <translation>Presión descarga bomba Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Уставка останова</source>
        <translation>Presión descarga bomba Consigna de parada</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Уставка пуска</source>
        <translation>Presión descarga bomba Consigna de arranque</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сброс уставок</source>
        <translation>Presión descarga bomba Restablecer consignas</translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП). Разрешено АПВ</source>
        <translation>AE Sobrecarga (OLP). Rearranques permitidos</translation>
    </message>
    <message>
        <source>Релейный вых.1 уст.</source>
        <translation>Sal. relé 1 Función</translation>
    </message>
    <message>
        <source>Релейный вых.2 уст.</source>
        <translation>Sal. relé 2 Función</translation>
    </message>
    <message>
        <source>Релейный вых.3 уст.</source>
        <translation>Sal. relé 3 Función</translation>
    </message>
    <message>
        <source>Релейный вых.4 уст.</source>
        <translation>Sal. relé 4 Función</translation>
    </message>
    <message>
        <source>Предел тока двигателя Сброс уставок</source>
        <translation>Límite corriente motor Restablecer consignas</translation>
    </message>
    <message>
        <source>Перегрев фильтра Задержка АПВ</source>
        <translation>Sobrecalent. filtro Retardo rearranque</translation>
    </message>
    <message>
        <source>Перегрев фильтра Разрешено АПВ</source>
        <translation>Sobrecalent. filtro Rearranques permitidos</translation>
    </message>
    <message>
        <source>Перегрев фильтра Сброс счётчиков АПВ</source>
        <translation>Sobrecalent. filtro Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Перегрев фильтра Сброс уставок</source>
        <translation>Sobrecalent. filtro Restablecer consignas</translation>
    </message>
    <message>
        <source>СА Состояние</source>
        <translation>AE Estado</translation>
    </message>
    <message>
        <source>СА Подхват. Задержка АПВ</source>
        <translation>AE Arranque al vuelo. Retardo rearranque</translation>
    </message>
    <message>
        <source>Удел. ЭДС</source>
        <translation>FEM específica</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Смещ.</source>
        <translation>EA 1 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак</source>
        <translation>EA 1 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Коэф.</source>
        <translation>EA 1 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Смещ.</source>
        <translation>EA 2 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак</source>
        <translation>EA 2 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Коэф.</source>
        <translation>EA 2 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Смещ.</source>
        <translation>EA 3 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак</source>
        <translation>EA 3 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Коэф.</source>
        <translation>EA 3 Coef.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Смещ.</source>
        <translation>EA 4 Desplaz.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак</source>
        <translation>EA 4 Signo</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Коэф.</source>
        <translation>EA 4 Coef.</translation>
    </message>
    <message>
        <source>Датчик темп. Фильтра</source>
        <translation>Sensor temp. filtro</translation>
    </message>
    <message>
        <source>ТМС. Интерфейс</source>
        <translation>DHS. Interfaz</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Ед. изм.</source>
        <translation>EA 1 Unidades</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Ед. изм.</source>
        <translation>EA 2 Unidades</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Ед. изм.</source>
        <translation>EA 3 Unidades</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Ед. изм.</source>
        <translation>EA 4 Unidades</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Пуск макс.</source>
        <translation>EA 1 Arranque máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Пуск макс.</source>
        <translation>EA 2 Arranque máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Пуск макс.</source>
        <translation>EA 3 Arranque máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Пуск макс.</source>
        <translation>EA 4 Arranque máx.</translation>
    </message>
    <message>
        <source>Период записи ТМС после останова</source>
        <translation>Periodo de grabación DHS tras parada</translation>
    </message>
    <message>
        <source>ТМПН Полное сопротивление фазы</source>
        <translation>SUT Impedancia de fase</translation>
    </message>
    <message>
        <source>ТМПН Активное сопротивление фазы</source>
        <translation>SUT Resistencia activa de fase</translation>
    </message>
    <message>
        <source>ТМПН Погонная индуктивность кабеля на км</source>
        <translation>SUT Inductancia del cable por km</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак мин.</source>
        <translation>EA 1 Signo mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак макс.</source>
        <translation>EA 1 Signo máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак останова мин.</source>
        <translation>EA 1 Signo parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак останова макс.</source>
        <translation>EA 1 Signo parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак пуска мин.</source>
        <translation>EA 1 Signo arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Знак пуска макс.</source>
        <translation>EA 1 Signo arranque máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак мин.</source>
        <translation>EA 2 Signo mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак макс.</source>
        <translation>EA 2 Signo máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак останова мин.</source>
        <translation>EA 2 Signo parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак останова макс.</source>
        <translation>EA 2 Signo parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак пуска мин.</source>
        <translation>EA 2 Signo arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Знак пуска макс.</source>
        <translation>EA 2 Signo arranque máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак мин.</source>
        <translation>EA 3 Signo mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак макс.</source>
        <translation>EA 3 Signo máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак останова мин.</source>
        <translation>EA 3 Signo parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак останова макс.</source>
        <translation>EA 3 Signo parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак пуска мин.</source>
        <translation>EA 3 Signo arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Знак пуска макс.</source>
        <translation>EA 3 Signo arranque máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак мин.</source>
        <translation>EA 4 Signo mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак макс.</source>
        <translation>EA 4 Signo máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак останова мин.</source>
        <translation>EA 4 Signo parada mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак останова макс.</source>
        <translation>EA 4 Signo parada máx.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак пуска мин.</source>
        <translation>EA 4 Signo arranque mín.</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Знак пуска макс.</source>
        <translation>EA 4 Signo arranque máx.</translation>
    </message>
    <message>
        <source>Температура двигателя Положение датчика</source>
        <translation>Temperatura motor Posición sensor</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Тип сигнала</source>
        <translation>ED 7 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Тип сигнала</source>
        <translation>ED 8 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Тип сигнала</source>
        <translation>ED 9 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Тип сигнала</source>
        <translation>ED 10 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Действие</source>
        <translation>ED 7 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Действие</source>
        <translation>ED 8 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Действие</source>
        <translation>ED 9 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Действие</source>
        <translation>ED 10 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Название</source>
        <translation>ED 1 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Параметр</source>
        <translation>ED 2 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Параметр</source>
        <translation>ED 3 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Параметр</source>
        <translation>ED 4 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Параметр</source>
        <translation>ED 7 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Параметр</source>
        <translation>ED 8 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Параметр</source>
        <translation>ED 9 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Параметр</source>
        <translation>ED 10 Parámetro</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Пусковое время</source>
        <translation>ED 7 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Время</source>
        <translation>ED 7 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Задержка АПВ</source>
        <translation>ED 7 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Разрешено АПВ</source>
        <translation>ED 7 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сброс счётчиков АПВ</source>
        <translation>ED 7 Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Пусковое время</source>
        <translation>ED 8 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Время</source>
        <translation>ED 8 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Задержка АПВ</source>
        <translation>ED 8 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Разрешено АПВ</source>
        <translation>ED 8 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сброс счётчиков АПВ</source>
        <translation>ED 8 Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Пусковое время</source>
        <translation>ED 9 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Время</source>
        <translation>ED 9 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Задержка АПВ</source>
        <translation>ED 9 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Разрешено АПВ</source>
        <translation>ED 9 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сброс счётчиков АПВ</source>
        <translation>ED 9 Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Пусковое время</source>
        <translation>ED 10 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Время</source>
        <translation>ED 10 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Задержка АПВ</source>
        <translation>ED 10 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Разрешено АПВ</source>
        <translation>ED 10 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сброс АПВ</source>
        <translation>ED 10 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сброс уставок</source>
        <translation>ED 7 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сброс уставок</source>
        <translation>ED 8 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сброс уставок</source>
        <translation>ED 9 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сброс уставок</source>
        <translation>ED 10 Restablecer consignas</translation>
    </message>
    <message>
        <source>Коэффициент напряжения U</source>
        <translation>Coeficiente tensión U</translation>
    </message>
    <message>
        <source>Коэффициент напряжения V</source>
        <translation>Coeficiente tensión V</translation>
    </message>
    <message>
        <source>Коэффициент напряжения W</source>
        <translation>Coeficiente tensión W</translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора A</source>
        <translation>Coeficiente corriente transformador A</translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора B</source>
        <translation>Coeficiente corriente transformador B</translation>
    </message>
    <message>
        <source>Коэффициент тока трансформатора C</source>
        <translation>Coeficiente corriente transformador C</translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора A</source>
        <translation>Coeficiente tensión transformador A</translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора B</source>
        <translation>Coeficiente tensión transformador B</translation>
    </message>
    <message>
        <source>Коэффициент напряжения трансформатора C</source>
        <translation>Coeficiente tensión transformador C</translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя A</source>
        <translation>Coeficiente corriente motor A</translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя B</source>
        <translation>Coeficiente corriente motor B</translation>
    </message>
    <message>
        <source>Коэффициент тока двигателя C</source>
        <translation>Coeficiente corriente motor C</translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя A</source>
        <translation>Coeficiente tensión motor A</translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя B</source>
        <translation>Coeficiente tensión motor B</translation>
    </message>
    <message>
        <source>Коэффициент напряжения двигателя C</source>
        <translation>Coeficiente tensión motor C</translation>
    </message>
    <message>
        <source>Автонастройка.Состояние</source>
        <translation>Autoajuste. Estado</translation>
    </message>
    <message>
        <source>Отключение питания сети Время</source>
        <translation>Desconexión alimentación red Tiempo</translation>
    </message>
    <message>
        <source>Сигнализация об отклонении от рабочих параметров</source>
        <translation>Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Повышенное напряжение Сигнализация об отклонении от рабочих параметров</source>
        <translation>Sobretensión Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Пониженное напряжение Сигнализация об отклонении от рабочих параметров</source>
        <translation>Subtensión Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Дисбаланс напряжения Сигнализация об отклонении от рабочих параметров</source>
        <translation>Desequilibrio tensión Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Дисбаланс токов Сигнализация об отклонении от рабочих параметров</source>
        <translation>Desequilibrio corrientes Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Перегруз (ЗП) Сигнализация об отклонении от рабочих параметров</source>
        <translation>Sobrecarga (OLP) Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Недогруз (ЗСП) Сигнализация об отклонении от рабочих параметров</source>
        <translation>Subcarga (ULP) Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Дисбаланс токов двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Desequilibrio corrientes motor Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Рассинхронизация ПВЭД Сигнализация об отклонении от рабочих параметров</source>
        <translation>Pérdida de sincronismo motor PM Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Температура двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Temperatura motor Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Сигнализация об отклонении от рабочих параметров</source>
        <translation>Presión admisión bomba Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Давление на выкиде насоса Сигнализация об отклонении от рабочих параметров</source>
        <translation>Presión descarga bomba Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Сопротивление изоляции Сигнализация об отклонении от рабочих параметров</source>
        <translation>Resistencia aislamiento Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Вибрация двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Vibración motor Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Минимальный расход Сигнализация об отклонении от рабочих параметров</source>
        <translation>Caudal mínimo Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Аппаратные защиты ЧРП Сигнализация об отклонении от рабочих параметров</source>
        <translation>Protecciones hardware VSD Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Цифр. вх. 1 Сигнализация</source>
        <translation>ED 1 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 2 Сигнализация</source>
        <translation>ED 2 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 3 Сигнализация</source>
        <translation>ED 3 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 4 Сигнализация</source>
        <translation>ED 4 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 7 Сигнализация</source>
        <translation>ED 7 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 8 Сигнализация</source>
        <translation>ED 8 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 9 Сигнализация</source>
        <translation>ED 9 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 10 Сигнализация</source>
        <translation>ED 10 Señalización</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Сигнализация</source>
        <translation>EA 1 Señalización</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Сигнализация</source>
        <translation>EA 2 Señalización</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Сигнализация</source>
        <translation>EA 3 Señalización</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Сигнализация</source>
        <translation>EA 4 Señalización</translation>
    </message>
    <message>
        <source>Предел тока двигателя Сигнализация об отклонении от рабочих параметров</source>
        <translation>Límite corriente motor Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Перегрев фильтра Сигнализация об отклонении от рабочих параметров</source>
        <translation>Sobrecalent. filtro Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Перегрев радиатора Пусковое время</source>
        <translation>Sobrecalent. radiador Tiempo de arranque</translation>
    </message>
    <message>
        <source>Перегрев радиатора Время</source>
        <translation>Sobrecalent. radiador Tiempo de disparo</translation>
    </message>
    <message>
        <source>Перегрев радиатора Задержка АПВ</source>
        <translation>Sobrecalent. radiador Retardo rearranque</translation>
    </message>
    <message>
        <source>Перегрев радиатора Разрешено АПВ</source>
        <translation>Sobrecalent. radiador Rearranques permitidos</translation>
    </message>
    <message>
        <source>Перегрев радиатора Сброс счётчиков АПВ</source>
        <translation>Sobrecalent. radiador Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Перегрев радиатора Уставка останова</source>
        <translation>Sobrecalent. radiador Consigna de parada</translation>
    </message>
    <message>
        <source>Перегрев радиатора Уставка пуска</source>
        <translation>Sobrecalent. radiador Consigna de arranque</translation>
    </message>
    <message>
        <source>Перегрев радиатора Сигнализация об отклонении от рабочих параметров</source>
        <translation>Sobrecalent. radiador Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Перегрев радиатора. Сброс уставок</source>
        <translation>Sobrecalent. radiador. Restablecer consignas</translation>
    </message>
    <message>
        <source>СА Перегруз (ЗП). Задержка АПВ</source>
        <translation>AE Sobrecarga (OLP). Retardo rearranque</translation>
    </message>
    <message>
        <source>СА Прокачка газа. Время</source>
        <translation>AE Purga de gas. Tiempo</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Тип</source>
        <translation>SA 1 Tipo</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Тип</source>
        <translation>SA 2 Tipo</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Тип</source>
        <translation>SA 3 Tipo</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Тип</source>
        <translation>SA 4 Tipo</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Параметр</source>
        <translation>SA 1 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Параметр</source>
        <translation>SA 2 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Параметр</source>
        <translation>SA 3 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Параметр</source>
        <translation>SA 4 Parámetro</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Мин.</source>
        <translation>SA 1 Mín.</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Мин.</source>
        <translation>SA 2 Mín.</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Мин.</source>
        <translation>SA 3 Mín.</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Мин.</source>
        <translation>SA 4 Mín.</translation>
    </message>
    <message>
        <source>Ан. вых. 1 Макc.</source>
        <translation>SA 1 Máx.</translation>
    </message>
    <message>
        <source>Ан. вых. 2 Макс.</source>
        <translation>SA 2 Máx.</translation>
    </message>
    <message>
        <source>Ан. вых. 3 Макс.</source>
        <translation>SA 3 Máx.</translation>
    </message>
    <message>
        <source>Ан. вых. 4 Макс.</source>
        <translation>SA 4 Máx.</translation>
    </message>
    <message>
        <source>СА Недогруз (ЗСП). Разрешено АПВ</source>
        <translation>AE Subcarga (ULP). Rearranques permitidos</translation>
    </message>
    <message>
        <source>Время между контролем ЧРП</source>
        <translation>Tiempo entre comprobaciones VSD</translation>
    </message>
    <message>
        <source>Связь ЧРП. Адрес</source>
        <translation>Enlace VSD. Dirección</translation>
    </message>
    <message>
        <source>Связь ЧРП. Скорость</source>
        <translation>Enlace VSD. Velocidad</translation>
    </message>
    <message>
        <source>Связь ЧРП. Четность</source>
        <translation>Enlace VSD. Paridad</translation>
    </message>
    <message>
        <source>Связь ЧРП. Стоп-бит</source>
        <translation>Enlace VSD. Bits de parada</translation>
    </message>
    <message>
        <source>Связь ЧРП. Ожидание ответа</source>
        <translation>Enlace VSD. Espera de respuesta</translation>
    </message>
    <message>
        <source>Связь ЧРП. Повторы</source>
        <translation>Enlace VSD. Reintentos</translation>
    </message>
    <message>
        <source>Связь ЧРП. Номер канала</source>
        <translation>Enlace VSD. Nº de canal</translation>
    </message>
    <message>
        <source>Связь ЧРП. Время контроля потери связи</source>
        <translation>Enlace VSD. Tiempo control pérdida enlace</translation>
    </message>
    <message>
        <source>Связь ЧРП. Количество потерь связи</source>
        <translation>Enlace VSD. Cantidad pérdidas enlace</translation>
    </message>
    <message>
        <source>Связь ЧРП. Время тишины</source>
        <translation>Enlace VSD. Tiempo de silencio</translation>
    </message>
    <message>
        <source>Релейный вых.5 уст.</source>
        <translation>Sal. relé 5 Función</translation>
    </message>
    <message>
        <source>Релейный вых.6 уст.</source>
        <translation>Sal. relé 6 Función</translation>
    </message>
    <message>
        <source>Релейный вых.7 уст.</source>
        <translation>Sal. relé 7 Función</translation>
    </message>
    <message>
        <source>Релейный вых.8 уст.</source>
        <translation>Sal. relé 8 Función</translation>
    </message>
    <message>
        <source>Релейный вых.9 уст.</source>
        <translation>Sal. relé 9 Función</translation>
    </message>
    <message>
        <source>Релейный вых.10 уст.</source>
        <translation>Sal. relé 10 Función</translation>
    </message>
    <message>
        <source>Релейный вых.11 уст.</source>
        <translation>Sal. relé 11 Función</translation>
    </message>
    <message>
        <source>Релейный вых.12 уст.</source>
        <translation>Sal. relé 12 Función</translation>
    </message>
    <message>
        <source>Релейный вых.1 Авария</source>
        <translation>Sal. relé 1 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.2 Авария</source>
        <translation>Sal. relé 2 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.3 Авария</source>
        <translation>Sal. relé 3 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.4 Авария</source>
        <translation>Sal. relé 4 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.5 Авария</source>
        <translation>Sal. relé 5 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.6 Авария</source>
        <translation>Sal. relé 6 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.7 Авария</source>
        <translation>Sal. relé 7 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.8 Авария</source>
        <translation>Sal. relé 8 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.9 Авария</source>
        <translation>Sal. relé 9 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.10 Авария</source>
        <translation>Sal. relé 10 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.11 Авария</source>
        <translation>Sal. relé 11 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.12 Авария</source>
        <translation>Sal. relé 12 Alarma</translation>
    </message>
    <message>
        <source>Релейный вых.1 Задержка</source>
        <translation>Sal. relé 1 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.2 Задержка</source>
        <translation>Sal. relé 2 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.3 Задержка</source>
        <translation>Sal. relé 3 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.4 Задержка</source>
        <translation>Sal. relé 4 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.5 Задержка</source>
        <translation>Sal. relé 5 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.6 Задержка</source>
        <translation>Sal. relé 6 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.7 Задержка</source>
        <translation>Sal. relé 7 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.8 Задержка</source>
        <translation>Sal. relé 8 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.9 Задержка</source>
        <translation>Sal. relé 9 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.10 Задержка</source>
        <translation>Sal. relé 10 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.11 Задержка</source>
        <translation>Sal. relé 11 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.12 Задержка</source>
        <translation>Sal. relé 12 Retardo</translation>
    </message>
    <message>
        <source>Релейный вых.1 Удержание</source>
        <translation>Sal. relé 1 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.2 Удержание</source>
        <translation>Sal. relé 2 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.3 Удержание</source>
        <translation>Sal. relé 3 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.4 Удержание</source>
        <translation>Sal. relé 4 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.5 Удержание</source>
        <translation>Sal. relé 5 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.6 Удержание</source>
        <translation>Sal. relé 6 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.7 Удержание</source>
        <translation>Sal. relé 7 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.8 Удержание</source>
        <translation>Sal. relé 8 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.9 Удержание</source>
        <translation>Sal. relé 9 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.10 Удержание</source>
        <translation>Sal. relé 10 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.11 Удержание</source>
        <translation>Sal. relé 11 Retención</translation>
    </message>
    <message>
        <source>Релейный вых.12 Удержание</source>
        <translation>Sal. relé 12 Retención</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Действие</source>
        <translation>ED 13 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Тип сигнала</source>
        <translation>ED 13 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Название</source>
        <translation>ED 13 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сброс уставок</source>
        <translation>ED 13 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Пусковое время</source>
        <translation>ED 13 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Время</source>
        <translation>ED 13 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Задержка АПВ</source>
        <translation>ED 13 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Разрешено АПВ</source>
        <translation>ED 13 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сброс АПВ</source>
        <translation>ED 13 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 13 Сигнализация</source>
        <translation>ED 13 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Действие</source>
        <translation>ED 14 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Тип сигнала</source>
        <translation>ED 14 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Название</source>
        <translation>ED 14 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сброс уставок</source>
        <translation>ED 14 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Пусковое время</source>
        <translation>ED 14 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Время</source>
        <translation>ED 14 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Задержка АПВ</source>
        <translation>ED 14 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Разрешено АПВ</source>
        <translation>ED 14 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сброс АПВ</source>
        <translation>ED 14 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 14 Сигнализация</source>
        <translation>ED 14 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Действие</source>
        <translation>ED 15 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Тип сигнала</source>
        <translation>ED 15 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Название</source>
        <translation>ED 15 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сброс уставок</source>
        <translation>ED 15 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Пусковое время</source>
        <translation>ED 15 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Время</source>
        <translation>ED 15 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Задержка АПВ</source>
        <translation>ED 15 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Разрешено АПВ</source>
        <translation>ED 15 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сброс АПВ</source>
        <translation>ED 15 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 15 Сигнализация</source>
        <translation>ED 15 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Действие</source>
        <translation>ED 16 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Тип сигнала</source>
        <translation>ED 16 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Название</source>
        <translation>ED 16 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сброс уставок</source>
        <translation>ED 16 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Пусковое время</source>
        <translation>ED 16 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Время</source>
        <translation>ED 16 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Задержка АПВ</source>
        <translation>ED 16 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Разрешено АПВ</source>
        <translation>ED 16 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сброс АПВ</source>
        <translation>ED 16 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 16 Сигнализация</source>
        <translation>ED 16 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Действие</source>
        <translation>ED 17 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Тип сигнала</source>
        <translation>ED 17 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Название</source>
        <translation>ED 17 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сброс уставок</source>
        <translation>ED 17 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Пусковое время</source>
        <translation>ED 17 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Время</source>
        <translation>ED 17 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Задержка АПВ</source>
        <translation>ED 17 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Разрешено АПВ</source>
        <translation>ED 17 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сброс АПВ</source>
        <translation>ED 17 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 17 Сигнализация</source>
        <translation>ED 17 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Действие</source>
        <translation>ED 18 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Тип сигнала</source>
        <translation>ED 18 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Название</source>
        <translation>ED 18 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сброс уставок</source>
        <translation>ED 18 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Пусковое время</source>
        <translation>ED 18 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Время</source>
        <translation>ED 18 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Задержка АПВ</source>
        <translation>ED 18 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Разрешено АПВ</source>
        <translation>ED 18 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сброс АПВ</source>
        <translation>ED 18 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 18 Сигнализация</source>
        <translation>ED 18 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Действие</source>
        <translation>ED 19 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Тип сигнала</source>
        <translation>ED 19 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Название</source>
        <translation>ED 19 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сброс уставок</source>
        <translation>ED 19 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Пусковое время</source>
        <translation>ED 19 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Время</source>
        <translation>ED 19 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Задержка АПВ</source>
        <translation>ED 19 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Разрешено АПВ</source>
        <translation>ED 19 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сброс АПВ</source>
        <translation>ED 19 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 19 Сигнализация</source>
        <translation>ED 19 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Действие</source>
        <translation>ED 20 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Тип сигнала</source>
        <translation>ED 20 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Название</source>
        <translation>ED 20 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сброс уставок</source>
        <translation>ED 20 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Пусковое время</source>
        <translation>ED 20 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Время</source>
        <translation>ED 20 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Задержка АПВ</source>
        <translation>ED 20 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Разрешено АПВ</source>
        <translation>ED 20 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сброс АПВ</source>
        <translation>ED 20 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 20 Сигнализация</source>
        <translation>ED 20 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Действие</source>
        <translation>ED 21 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Тип сигнала</source>
        <translation>ED 21 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Название</source>
        <translation>ED 21 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сброс уставок</source>
        <translation>ED 21 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Пусковое время</source>
        <translation>ED 21 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Время</source>
        <translation>ED 21 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Задержка АПВ</source>
        <translation>ED 21 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Разрешено АПВ</source>
        <translation>ED 21 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сброс АПВ</source>
        <translation>ED 21 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 21 Сигнализация</source>
        <translation>ED 21 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Действие</source>
        <translation>ED 22 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Тип сигнала</source>
        <translation>ED 22 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Название</source>
        <translation>ED 22 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сброс уставок</source>
        <translation>ED 22 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Пусковое время</source>
        <translation>ED 22 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Время</source>
        <translation>ED 22 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Задержка АПВ</source>
        <translation>ED 22 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Разрешено АПВ</source>
        <translation>ED 22 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сброс АПВ</source>
        <translation>ED 22 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 22 Сигнализация</source>
        <translation>ED 22 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Действие</source>
        <translation>ED 23 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Тип сигнала</source>
        <translation>ED 23 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Название</source>
        <translation>ED 23 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сброс уставок</source>
        <translation>ED 23 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Пусковое время</source>
        <translation>ED 23 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Время</source>
        <translation>ED 23 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Задержка АПВ</source>
        <translation>ED 23 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Разрешено АПВ</source>
        <translation>ED 23 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сброс АПВ</source>
        <translation>ED 23 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 23 Сигнализация</source>
        <translation>ED 23 Señalización</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Действие</source>
        <translation>ED 24 Acción</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Тип сигнала</source>
        <translation>ED 24 Tipo de señal</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Название</source>
        <translation>ED 24 Nombre</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сброс уставок</source>
        <translation>ED 24 Restablecer consignas</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Пусковое время</source>
        <translation>ED 24 Tiempo de arranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Время</source>
        <translation>ED 24 Tiempo de disparo</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Задержка АПВ</source>
        <translation>ED 24 Retardo rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Разрешено АПВ</source>
        <translation>ED 24 Rearranques permitidos</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сброс АПВ</source>
        <translation>ED 24 Restablecer rearranque</translation>
    </message>
    <message>
        <source>Цифр. вх. 24 Сигнализация</source>
        <translation>ED 24 Señalización</translation>
    </message>
    <message>
        <source>Температура на приёмеПусковое время</source>
        <translation>Temperatura admisión Tiempo de arranque</translation>
    </message>
    <message>
        <source>Температура на приёмеВремя</source>
        <translation>Temperatura admisión Tiempo de disparo</translation>
    </message>
    <message>
        <source>Температура на приёмеЗадержка АПВ</source>
        <translation>Temperatura admisión Retardo rearranque</translation>
    </message>
    <message>
        <source>Температура на приёмеРазрешено АПВ</source>
        <translation>Temperatura admisión Rearranques permitidos</translation>
    </message>
    <message>
        <source>Температура на приёме Сброс счётчиков АПВ</source>
        <translation>Temperatura admisión Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Температура на приёме Уставка останова</source>
        <translation>Temperatura admisión Consigna de parada</translation>
    </message>
    <message>
        <source>Температура на приёме Уставка пуска</source>
        <translation>Temperatura admisión Consigna de arranque</translation>
    </message>
    <message>
        <source>Температура на приёме Сигнализация об отклонении от рабочих параметров</source>
        <translation>Temperatura admisión Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Температура на приёме. Сброс уставок</source>
        <translation>Temperatura admisión. Restablecer consignas</translation>
    </message>
    <message>
        <source>Давление на приёме насоса Уставка останова максимум</source>
        <translation>Presión admisión bomba Consigna de parada máximo</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Пусковое время</source>
        <translation>Pérdida enlace DHS Tiempo de arranque</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Время</source>
        <translation>Pérdida enlace DHS Tiempo de disparo</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Задержка АПВ</source>
        <translation>Pérdida enlace DHS Retardo rearranque</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Разрешено АПВ</source>
        <translation>Pérdida enlace DHS Rearranques permitidos</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сброс счётчиков АПВ</source>
        <translation>Pérdida enlace DHS Restablecer contadores rearranque</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Уставка останова</source>
        <translation>Pérdida enlace DHS Consigna de parada</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Уставка пуска</source>
        <translation>Pérdida enlace DHS Consigna de arranque</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сигнализация об отклонении от рабочих параметров</source>
        <translation>Pérdida enlace DHS Señalización desviación de parámetros</translation>
    </message>
    <message>
        <source>Потеря связи с ТМС Сброс уставок</source>
        <translation>Pérdida enlace DHS Restablecer consignas</translation>
    </message>
    <message>
        <source>Ан. вх. 1 Время максимум</source>
        <translation>EA 1 Tiempo de disparo máximo</translation>
    </message>
    <message>
        <source>Ан. вх. 2 Время максимум</source>
        <translation>EA 2 Tiempo de disparo máximo</translation>
    </message>
    <message>
        <source>Ан. вх. 3 Время максимум</source>
        <translation>EA 3 Tiempo de disparo máximo</translation>
    </message>
    <message>
        <source>Ан. вх. 4 Время максимум</source>
        <translation>EA 4 Tiempo de disparo máximo</translation>
    </message>
    <message>
        <source>Направ.вращ.</source>
        <translation>Sentido giro</translation>
    </message>
    <message>
        <source>Суммарная индуктивность на выходе ЧРП</source>
        <translation>Inductancia total a la salida VSD</translation>
    </message>
    <message>
        <source>Пониженное напряжение Снижение частоты</source>
        <translation>Subtensión Reducción de frecuencia</translation>
    </message>
    <message>
        <source>Архивы</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Журнал событий</source>
        <translation>Diario de eventos</translation>
    </message>
    <message>
        <source>Считать архив</source>
        <translation>Leer registro</translation>
    </message>
    <message>
        <source>Очистить архив</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>Очистить сервисный архив</source>
        <translation>Borrar registro de servicio</translation>
    </message>
    <message>
        <source>Удаление архивов не завершено: контроллер не ответил</source>
        <translation>Borrado de registros no completado: el controlador no respondió</translation>
    </message>
    <message>
        <source>Удаление служебных архивов не завершено: контроллер не ответил</source>
        <translation>Borrado de registros de servicio no completado: el controlador no respondió</translation>
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
        <translation>ED %1</translation>
    </message>
    <message>
        <source>Отрицательная</source>
        <translation>Negativa</translation>
    </message>
    <message>
        <source>Положительная</source>
        <translation>Positiva</translation>
    </message>
    <message>
        <source>Защита по аналоговому входу </source>
        <translation>Protección por entrada analógica </translation>
    </message>
    <message>
        <source>Аналоговый вход </source>
        <translation>Entrada analógica </translation>
    </message>
    <message>
        <source>Цифровой вход </source>
        <translation>Entrada digital </translation>
    </message>
    <message>
        <source>Замкнут</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>Разомкнут</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Чередование частот</source>
        <translation>Alternancia de frecuencias</translation>
    </message>
    <message>
        <source>Режим токоограничения</source>
        <translation>Modo de limitación de corriente</translation>
    </message>
    <message>
        <source>Частота F1</source>
        <translation>Frecuencia F1</translation>
    </message>
    <message>
        <source>Частота F2</source>
        <translation>Frecuencia F2</translation>
    </message>
    <message>
        <source>Ожидание</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Настроить аналоговый вход</source>
        <translation>Configurar la entrada analógica</translation>
    </message>
    <message>
        <source>Для включения режима остановите двигатель!</source>
        <translation>¡Pare el motor para activar el modo!</translation>
    </message>
    <message>
        <source>Включена защита &quot;Перегруз&quot;
При включении режима - защита будет неактивна!</source>
        <translation>La protección &quot;Sobrecarga&quot; está activada
¡Con el modo activado, la protección quedará inactiva!</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modos</translation>
    </message>
    <message>
        <source>Программное изменение частоты (ВНР)</source>
        <translation>Cambio programado de frecuencia (puesta en régimen)</translation>
    </message>
    <message>
        <source>1 цикл</source>
        <translation>1 ciclo</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Понижение U</source>
        <translation>Reducción de U</translation>
    </message>
    <message>
        <source>Повышение U</source>
        <translation>Aumento de U</translation>
    </message>
    <message>
        <source>Для включения режима
выберите U/f управление!</source>
        <translation>Para activar el modo
¡seleccione el control U/f!</translation>
    </message>
    <message>
        <source>Для включения режима 
 активируйте защиту Недогруз (ЗСП)</source>
        <translation>Para activar el modo 
 active la protección Subcarga (ULP)</translation>
    </message>
    <message>
        <source>Для включения режима выберите векторное управление!</source>
        <translation>¡Seleccione el control vectorial para activar el modo!</translation>
    </message>
    <message>
        <source>Режимы пуска</source>
        <translation>Modos de arranque</translation>
    </message>
    <message>
        <source>Для изменения остановите двигатель!</source>
        <translation>¡Para cambiar, pare el motor!</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions10Form</name>
    <message>
        <source>Релейный выход 10</source>
        <translation>Salida de relé 10</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions11Form</name>
    <message>
        <source>Релейный выход 11</source>
        <translation>Salida de relé 11</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions12Form</name>
    <message>
        <source>Релейный выход 12</source>
        <translation>Salida de relé 12</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions1Form</name>
    <message>
        <source>Релейный выход 1</source>
        <translation>Salida de relé 1</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions2Form</name>
    <message>
        <source>Релейный выход 2</source>
        <translation>Salida de relé 2</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions3Form</name>
    <message>
        <source>Релейный выход 3</source>
        <translation>Salida de relé 3</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions4Form</name>
    <message>
        <source>Релейный выход 4</source>
        <translation>Salida de relé 4</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions5Form</name>
    <message>
        <source>Релейный выход 5</source>
        <translation>Salida de relé 5</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions6Form</name>
    <message>
        <source>Релейный выход 6</source>
        <translation>Salida de relé 6</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions7Form</name>
    <message>
        <source>Релейный выход 7</source>
        <translation>Salida de relé 7</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions8Form</name>
    <message>
        <source>Релейный выход 8</source>
        <translation>Salida de relé 8</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptions9Form</name>
    <message>
        <source>Релейный выход 9</source>
        <translation>Salida de relé 9</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptionsForm</name>
    <message>
        <source>Любая</source>
        <translation>Cualquiera</translation>
    </message>
</context>
<context>
    <name>RelayOutputsOptionsMenu</name>
    <message>
        <source>Релейные выходы</source>
        <translation>Salidas de relé</translation>
    </message>
    <message>
        <source>Релейный выход 1</source>
        <translation>Salida de relé 1</translation>
    </message>
    <message>
        <source>Релейный выход 2</source>
        <translation>Salida de relé 2</translation>
    </message>
    <message>
        <source>Релейный выход 3</source>
        <translation>Salida de relé 3</translation>
    </message>
    <message>
        <source>Релейный выход 4</source>
        <translation>Salida de relé 4</translation>
    </message>
    <message>
        <source>Релейный выход 5</source>
        <translation>Salida de relé 5</translation>
    </message>
    <message>
        <source>Релейный выход 6</source>
        <translation>Salida de relé 6</translation>
    </message>
    <message>
        <source>Релейный выход 7</source>
        <translation>Salida de relé 7</translation>
    </message>
    <message>
        <source>Релейный выход 8</source>
        <translation>Salida de relé 8</translation>
    </message>
    <message>
        <source>Релейный выход 9</source>
        <translation>Salida de relé 9</translation>
    </message>
    <message>
        <source>Релейный выход 10</source>
        <translation>Salida de relé 10</translation>
    </message>
    <message>
        <source>Релейный выход 11</source>
        <translation>Salida de relé 11</translation>
    </message>
    <message>
        <source>Релейный выход 12</source>
        <translation>Salida de relé 12</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>Синхронизация с контроллером...</source>
        <translation>Sincronizando con el controlador...</translation>
    </message>
    <message>
        <source>Синхронизация с контроллером: %1%</source>
        <translation>Sincronizando con el controlador: %1%</translation>
    </message>
</context>
<context>
    <name>StationForm</name>
    <message>
        <source>Станция управления</source>
        <translation>Estación de control</translation>
    </message>
</context>
<context>
    <name>StatisticsForm</name>
    <message>
        <source>Статистика</source>
        <translation>Estadística</translation>
    </message>
</context>
<context>
    <name>TechnologParamsMenu</name>
    <message>
        <source>Технологические настройки</source>
        <translation>Ajustes de proceso</translation>
    </message>
    <message>
        <source>Режимы</source>
        <translation>Modos</translation>
    </message>
    <message>
        <source>Корректировки</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Настройка меню технолога</source>
        <translation>Ajuste del menú del tecnólogo</translation>
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
        <translation>SAI</translation>
    </message>
</context>
<context>
    <name>VsdConnectForm</name>
    <message>
        <source>Связь с ЧРП</source>
        <translation>Enlace con VSD</translation>
    </message>
    <message>
        <source>Применить настройки порта</source>
        <translation>Aplicar ajustes del puerto</translation>
    </message>
    <message>
        <source>Сбросить счётчики</source>
        <translation>Restablecer contadores</translation>
    </message>
    <message>
        <source>Сбросить счётчики качества связи?</source>
        <translation>¿Restablecer los contadores de calidad de enlace?</translation>
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
        <translation>Modos de arranque</translation>
    </message>
    <message>
        <source>Настройки ЧРП</source>
        <translation>Ajustes VSD</translation>
    </message>
    <message>
        <source>Настройка U/f</source>
        <translation>Ajuste U/f</translation>
    </message>
    <message>
        <source>Подавление резонанса</source>
        <translation>Supresión de resonancia</translation>
    </message>
    <message>
        <source>Векторный режим</source>
        <translation>Modo vectorial</translation>
    </message>
    <message>
        <source>Сервисное меню ЧРП</source>
        <translation>Menú de servicio VSD</translation>
    </message>
    <message>
        <source>Параметры связи с ЧРП</source>
        <translation>Parámetros de enlace VSD</translation>
    </message>
</context>
<context>
    <name>VsdOptionsForm</name>
    <message>
        <source>Настройки ЧРП</source>
        <translation>Ajustes VSD</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Внимание!
Для вентильного двигателя этот тип управления не рекомендуется</source>
        <translation>¡Atención!
Este tipo de control no se recomienda para un motor PM</translation>
    </message>
</context>
<context>
    <name>VsdResonanceForm</name>
    <message>
        <source>Подавление резонанса</source>
        <translation>Supresión de resonancia</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Момент</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Potencia</translation>
    </message>
</context>
<context>
    <name>VsdServiceAdditionalForm</name>
    <message>
        <source>Дополнительные параметры</source>
        <translation>Parámetros adicionales</translation>
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
        <translation>Hardware VSD</translation>
    </message>
    <message>
        <source>Гармонические</source>
        <translation>Armónicos</translation>
    </message>
    <message>
        <source>Действующее</source>
        <translation>Eficaz</translation>
    </message>
    <message>
        <source>Откл</source>
        <translation>Desact.</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Авария</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Базовая</source>
        <translation>Básica</translation>
    </message>
    <message>
        <source>Прочая</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Тестовый режим контроллера ПЧ</source>
        <translation>Modo de prueba del controlador VSD</translation>
    </message>
    <message>
        <source>Сбросить прокси</source>
        <translation>Restablecer proxy</translation>
    </message>
</context>
<context>
    <name>VsdServiceIndicationParamForm</name>
    <message>
        <source>Индикация параметров</source>
        <translation>Indicación de parámetros</translation>
    </message>
    <message>
        <source>Гарм/вект. ток фазы</source>
        <translation>Corriente fase arm./vect.</translation>
    </message>
</context>
<context>
    <name>VsdServiceIndicationTemperatureForm</name>
    <message>
        <source>Индикация температур</source>
        <translation>Indicación de temperaturas</translation>
    </message>
</context>
<context>
    <name>VsdServiceMenu</name>
    <message>
        <source>Сервисное меню ЧРП</source>
        <translation>Menú de servicio VSD</translation>
    </message>
    <message>
        <source>Сбросить уставки по умолчанию</source>
        <translation>Restablecer por defecto</translation>
    </message>
    <message>
        <source>Индикация параметров</source>
        <translation>Indicación de parámetros</translation>
    </message>
    <message>
        <source>Дополнительные параметры</source>
        <translation>Parámetros adicionales</translation>
    </message>
    <message>
        <source>Слова состояния</source>
        <translation>Palabras de estado</translation>
    </message>
    <message>
        <source>Контроль температуры</source>
        <translation>Control de temperatura</translation>
    </message>
    <message>
        <source>Индикация температур</source>
        <translation>Indicación de temperaturas</translation>
    </message>
    <message>
        <source>Аппаратура ЧРП</source>
        <translation>Hardware VSD</translation>
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
        <translation>¿Restablecer los valores por defecto?</translation>
    </message>
    <message>
        <source>Ожидание применения...</source>
        <translation>Esperando aplicación...</translation>
    </message>
</context>
<context>
    <name>VsdServicePswForm</name>
    <message>
        <source>Слова состояния</source>
        <translation>Palabras de estado</translation>
    </message>
    <message>
        <source>Сохранённое</source>
        <translation>Guardado</translation>
    </message>
</context>
<context>
    <name>VsdTemperatureForm</name>
    <message>
        <source>Контроль температуры</source>
        <translation>Control de temperatura</translation>
    </message>
    <message>
        <source>Только все</source>
        <translation>Solo todos</translation>
    </message>
    <message>
        <source>До последнего</source>
        <translation>Hasta el último</translation>
    </message>
    <message>
        <source>Критический</source>
        <translation>Crítico</translation>
    </message>
</context>
<context>
    <name>VsdUfSettingForm</name>
    <message>
        <source>Настройка U/f</source>
        <translation>Ajuste U/f</translation>
    </message>
</context>
<context>
    <name>VsdVectorForm</name>
    <message>
        <source>Векторный режим</source>
        <translation>Modo vectorial</translation>
    </message>
</context>
</TS>

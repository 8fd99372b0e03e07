<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Saldo inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;A fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>&amp;Número de cuenta:</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Carpeta de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Pennibar Is Already Running</source>
        <translation>Pennibar ya se está ejecutando</translation>
    </message>
    <message>
        <source>Pennibar is already running with the data directory %1, but it does not answer.

Close it and try again.</source>
        <translation>Pennibar ya se está ejecutando con el directorio de datos %1, pero no responde.

Ciérrelo e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>BackupRowWriter</name>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1: columna desconocida %2</translation>
    </message>
    <message>
        <source>%1: unsupported value for %2</source>
        <translation>%1: valor no admitido para %2</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large</source>
        <translation>%1: entrada demasiado grande</translation>
    </message>
    <message>
        <source>%1: unreadable entry</source>
        <translation>%1: entrada ilegible</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: error inesperado</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no admitida: %1</translation>
    </message>
    <message>
        <source>The database could not start the restore</source>
        <translation>La base de datos no pudo iniciar la restauración</translation>
    </message>
    <message>
        <source>The restored rows could not be stored; nothing was restored</source>
        <translation>No se pudieron guardar las filas restauradas; no se ha restaurado nada</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>No se pudo guardar la categoría «%1».</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar «%1»? Los movimientos que usan esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar la categoría «%1».</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;superior:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Deducible</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Incluir esta categoría en los informes para la declaración de la renta.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej., charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Código fiscal:</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Despacho en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de formación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos autonómicos y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>IBI</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburante</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/Alquiler</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Nómina / Salario</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Autónomo / Consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Transferencias</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>One signed column</source>
        <translation>Una columna con signo</translation>
    </message>
    <message>
        <source>Withdrawal and deposit columns</source>
        <translation>Columnas de cargo y abono</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mes D, AAAA (May 14, 2026)</translation>
    </message>
    <message>
        <source>D Mon YYYY (14 May 2026)</source>
        <translation>D Mes AAAA (14 May 2026)</translation>
    </message>
    <message>
        <source>ISO 8601 (2026-05-14T09:30)</source>
        <translation>ISO 8601 (2026-05-14T09:30)</translation>
    </message>
    <message>
        <source>Comma (,)</source>
        <translation>Coma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Punto y coma (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Rows above this one (an account name, a balance) are not imported</source>
        <translation>Las filas por encima de esta (un nombre de cuenta, un saldo) no se importan</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es de encabezado</translation>
    </message>
    <message>
        <source>Header row:</source>
        <translation>Fila de encabezado:</translation>
    </message>
    <message>
        <source>First data row:</source>
        <translation>Primera fila de datos:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Withdrawal column:</source>
        <translation>Columna de cargos:</translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>Columna de abonos:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Separador:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>Amounts:</source>
        <translation>Importes:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) to import</source>
        <translation>
            <numerusform>%n fila para importar</numerusform>
            <numerusform>%n filas para importar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read and will be skipped (marked)</source>
        <translation>
            <numerusform>%n fila no se puede leer y se omitirá (marcada)</numerusform>
            <numerusform>%n filas no se pueden leer y se omitirán (marcadas)</numerusform>
        </translation>
    </message>
    <message>
        <source>dates read as %1</source>
        <translation>fechas leídas como %1</translation>
    </message>
</context>
<context>
    <name>CsvPreviewModel</name>
    <message>
        <source>Above the table: not imported</source>
        <translation>Encima de la tabla: no se importa</translation>
    </message>
    <message>
        <source>Header row: not imported</source>
        <translation>Fila de encabezado: no se importa</translation>
    </message>
    <message>
        <source>This row does not reach every chosen column</source>
        <translation>Esta fila no llega a todas las columnas elegidas</translation>
    </message>
    <message>
        <source>The date does not read with the chosen date format</source>
        <translation>La fecha no se puede leer con el formato de fecha elegido</translation>
    </message>
    <message>
        <source>The amount does not read as an amount</source>
        <translation>El importe no se puede leer como importe</translation>
    </message>
    <message>
        <source>This cell will not be read</source>
        <translation>Esta celda no se leerá</translation>
    </message>
    <message>
        <source>How the import reads this row</source>
        <translation>Cómo lee la importación esta fila</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>DateShortcuts</name>
    <message>
        <source>Date Field</source>
        <translation>Campo de fecha</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Día siguiente / anterior</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Primer / último día del mes</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Primer / último día del año</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Primer / último día de la semana</translation>
    </message>
</context>
<context>
    <name>Enumerations</name>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Cuenta de ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importar movimientos</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivo(s) QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivo(s) QIF...</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Sin cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta en la que importar o cree una ahora.</translation>
    </message>
    <message>
        <source>The account could not be created.</source>
        <translation>No se pudo crear la cuenta.</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>Import failed.</source>
        <translation>La importación ha fallado.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se deshicieron todos los cambios. No se añadió ningún movimiento.</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n movimiento importado</numerusform>
            <numerusform>%n movimientos importados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n traspaso vinculado entre cuentas</numerusform>
            <numerusform>%n traspasos vinculados entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluido %n vinculado a filas importadas anteriormente)</numerusform>
            <numerusform>  (incluidos %n vinculados a filas importadas anteriormente)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (ilegible)</numerusform>
            <numerusform>%n registros omitidos (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos; consulte el registro de eventos)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos; consulte el registro de eventos)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nuevo movimiento</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Cerrar &amp;sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>C&amp;ompartir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Movimientos &amp;periódicos</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;ategorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Tovarly Pennibar</source>
        <translation>&amp;Acerca de Tovarly Pennibar</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar act&amp;ualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Welcome to Tovarly Pennibar</source>
        <translation>Bienvenido a Tovarly Pennibar</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar movimientos desde un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se eliminarán todos los movimientos, los movimientos periódicos y el historial de conciliaciones de esta cuenta. Puede restaurarla desde Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gestionar su cuenta</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Iniciar sesión o registrarse</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sesión no iniciada</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se ha registrado automáticamente %n movimiento periódico</numerusform>
            <numerusform>Se han registrado automáticamente %n movimientos periódicos</numerusform>
        </translation>
    </message>
    <message>
        <source>About Tovarly Pennibar</source>
        <translation>Acerca de Tovarly Pennibar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital register for your household finances: accounts, payments and deposits with a running balance.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3. See &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; and the source code at &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tovarly Pennibar&lt;/h2&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro digital para las finanzas de su hogar: cuentas, pagos e ingresos con saldo acumulado.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Esta aplicación utiliza el framework Qt bajo la licencia GNU LGPL versión 3. Consulte &lt;a href=&quot;https://www.qt.io&quot;&gt;qt.io&lt;/a&gt; y el código fuente en &lt;a href=&quot;https://code.qt.io&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buscar movimientos</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Movimientos periódicos</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Cambiar a la cuenta 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Cambiar a la cuenta 10</translation>
    </message>
    <message>
        <source>The account could not be created</source>
        <translation>No se pudo crear la cuenta</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>No se pudo eliminar la cuenta</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Movimientos periódicos</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar: %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar movimientos</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>No se pudo guardar la cuenta</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar movimientos</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>That transaction no longer exists</source>
        <translation>Ese movimiento ya no existe</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Tovarly Account</source>
        <translation>Cuenta Tovarly</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Tovarly account.</source>
        <translation>Para compartir se necesita una cuenta Tovarly.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartir: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Tovarly family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparta esta cuenta con los miembros de su grupo familiar de Tovarly. Verán el mismo registro, los mismos saldos y el mismo historial de conciliaciones en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>You&apos;re not in a Tovarly family group yet. Create one or join one in File › Tovarly Account to share your accounts.</source>
        <translation>Todavía no pertenece a ningún grupo familiar de Tovarly. Cree uno o únase a uno en Archivo › Cuenta Tovarly para compartir sus cuentas.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>No se pudo compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>No se pudo quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>&amp;Tovarly Account...</source>
        <translation>Cuenta &amp;Tovarly...</translation>
    </message>
    <message>
        <source>Total (%1): %2</source>
        <comment>the code of the currency added up, such as USD; the total</comment>
        <translation>Total (%1): %2</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) was/were replaced by a newer version from another device (see Preferences → Data &amp; Sync)</source>
        <translation>
            <numerusform>%n cambio se ha sustituido por una versión más reciente de otro dispositivo (consulte Preferencias → Datos y sincronización)</numerusform>
            <numerusform>%n cambios se han sustituido por una versión más reciente de otro dispositivo (consulte Preferencias → Datos y sincronización)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OpeningBalance</name>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renombrar como:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar seleccionados</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar seleccionados</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>No se pudieron renombrar los beneficiarios. No se ha modificado ningún movimiento.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se ha renombrado %n movimiento.</numerusform>
            <numerusform>Se han renombrado %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinarlos.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se ha combinado %n movimiento.</numerusform>
            <numerusform>Se han combinado %n movimientos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de Quicken. Los traspasos entre cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta nueva «%1» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estos movimientos —</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones: %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir movimiento</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Abonos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Cargos compensados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir un movimiento (%1)</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar el movimiento seleccionado (F2)</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar el movimiento seleccionado (Suprimir)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Error en la conciliación</translation>
    </message>
    <message>
        <source>The account was not reconciled and nothing was changed. The figures have been read again; check them and try again.</source>
        <translation>La cuenta no se ha conciliado y no se ha cambiado nada. Se han vuelto a leer las cifras; revíselas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se ha conciliado correctamente.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar el movimiento de %1?</translation>
    </message>
    <message>
        <source>Both sides of the transfer will be deleted.</source>
        <translation>Se eliminarán los dos lados del traspaso.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar movimiento</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nuevo movimiento periódico</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar movimiento periódico</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar movimiento</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Con fecha de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Registrar con antelación:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Enter &amp;Early...</source>
        <translation>Registrar &amp;antes...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Movimientos periódicos</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todos los vencidos</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Registrar los próximos 7 días</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nuevo periódico</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(vencidos: %1)</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Registrar antes</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>¿Registrar «%1» ahora, con fecha %2? El movimiento lleva la fecha de su vencimiento y puede editarlo o eliminarlo más tarde.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar el movimiento periódico «%1»?</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>¿Registrar todos los movimientos periódicos que vencen en los próximos 7 días? Llevan la fecha de su vencimiento y puede editarlos o eliminarlos más tarde.</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Introduzca una fecha válida</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N.º cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Sin compensar</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above</source>
        <translation>%1: guardar  |  Intro: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba</translation>
    </message>
    <message>
        <source>Show columns</source>
        <translation>Mostrar columnas</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Restablecer columnas del registro</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de ingreso</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encuentra la cuenta del traspaso</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Los traspasos requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Traspaso a %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Traspaso desde %1</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos vaciados</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: el movimiento de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva fila</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nuevo movimiento...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en diálogo...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Ver detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar &amp;desglose...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Des&amp;glosar movimiento...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como &amp;sin compensar</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensado</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Guardar movimiento</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insertar movimiento nuevo</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Eliminar el movimiento actual</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tabulador / Mayúsculas+Tabulador</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Campo siguiente / anterior</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apóstrofo)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copiar el valor del campo de arriba</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>No se pudo guardar el movimiento</translation>
    </message>
    <message>
        <source>&amp;Memorize Transaction...</source>
        <translation>&amp;Memorizar movimiento...</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>No se pudo guardar el movimiento periódico</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Movimiento memorizado como periódico</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Introduzca una fecha válida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a category: pick one from the list or clear the cell</source>
        <translation>«%1» no es una categoría: elija una de la lista o vacíe la celda</translation>
    </message>
    <message>
        <source>Enter a payment or a deposit, not both</source>
        <translation>Introduzca un pago o un ingreso, no ambos</translation>
    </message>
    <message>
        <source>Date Before 2000</source>
        <translation>Fecha anterior a 2000</translation>
    </message>
    <message>
        <source>The date %1 is before 2000. Transactions dated before 1/1/2000 are not synchronised to your other devices.

Save the transaction with this date?</source>
        <translation>La fecha %1 es anterior a 2000. Los movimientos con fecha anterior al 1/1/2000 no se sincronizan con sus otros dispositivos.

¿Guardar el movimiento con esta fecha?</translation>
    </message>
    <message>
        <source>Unsaved Transaction</source>
        <translation>Movimiento sin guardar</translation>
    </message>
    <message>
        <source>The transaction being typed in &quot;%1&quot; has not been saved.

Save it in &quot;%1&quot;?</source>
        <translation>El movimiento que se está escribiendo en «%1» no se ha guardado.

¿Guardarlo en «%1»?</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>All other categories</source>
        <translation>Resto de categorías</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>All other payees</source>
        <translation>Resto de beneficiarios</translation>
    </message>
    <message>
        <source>P1: %1 – %2</source>
        <translation>P1: %1 – %2</translation>
    </message>
    <message>
        <source>P2: %1 – %2</source>
        <translation>P2: %1 – %2</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Total acumulado</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Total (%1)</source>
        <comment>the code of the currency added up, such as USD</comment>
        <translation>Total (%1)</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos frente a gastos</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparación interanual</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Sin compensar</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
</context>
<context>
    <name>ReportChartView</name>
    <message>
        <source>No figures to chart for these filters</source>
        <translation>No hay cifras que representar con estos filtros</translation>
    </message>
    <message>
        <source>MMM yy</source>
        <comment>QDate format of a month on a chart axis</comment>
        <translation>MMM yy</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>QDate format of a day on a chart axis</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>QDate format of a month in a tool tip</comment>
        <translation>MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre anterior</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo el historial</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al anterior</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año anterior frente al previo</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al anterior</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Show Chart</source>
        <translation>Mostrar gráfico</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta principal</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Caja Riverbend</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Puntos</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath S.L.</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Nómina quincenal</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Nómina / Salario</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Apartamentos Pinecrest</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Alquiler de febrero</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Súper Greenleaf</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Hilltop Gas</source>
        <translation>Gasolinera Hilltop</translation>
    </message>
    <message>
        <source>Fill up</source>
        <translation>Repostaje</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburante</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Suministros Lakeside</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Factura del agua</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Streamline TV</source>
        <translation>Streamline TV</translation>
    </message>
    <message>
        <source>Monthly streaming</source>
        <translation>Streaming mensual</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Maplewood Diner</source>
        <translation>Maplewood Diner</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Cena fuera</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Clearview Insurance</source>
        <translation>Seguros Clearview</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Parroquia Esperanza</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Donativo mensual</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Traspaso a Ahorro</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Alquiler de marzo</translation>
    </message>
    <message>
        <source>NetConnect ISP</source>
        <translation>NetConnect ISP</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Servicio de internet</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Almuerzo</translation>
    </message>
    <message>
        <source>Ridgeline Pharmacy</source>
        <translation>Farmacia Ridgeline</translation>
    </message>
    <message>
        <source>Prescriptions</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Coffee &amp; pastry</source>
        <translation>Café y bollería</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Abono de intereses</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Traspaso desde la cuenta corriente</translation>
    </message>
    <message>
        <source>Dash Delivery</source>
        <translation>Dash Delivery</translation>
    </message>
    <message>
        <source>Food delivery</source>
        <translation>Comida a domicilio</translation>
    </message>
    <message>
        <source>Gadget World</source>
        <translation>Gadget World</translation>
    </message>
    <message>
        <source>Phone case</source>
        <translation>Funda de móvil</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Plan de almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Pago: gracias</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de la tarjeta</translation>
    </message>
    <message>
        <source>Stellar Coffee</source>
        <translation>Stellar Coffee</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grano</translation>
    </message>
    <message>
        <source>BookNest Online</source>
        <translation>BookNest Online</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Libros de programación</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Gastos de formación</translation>
    </message>
    <message>
        <source>TechVault</source>
        <translation>TechVault</translation>
    </message>
    <message>
        <source>USB hub</source>
        <translation>Hub USB</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Alquiler mensual</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, número de cheque...</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensados</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
</context>
<context>
    <name>ServerField</name>
    <message>
        <source>Tovarly (default)</source>
        <translation>Tovarly (predeterminado)</translation>
    </message>
    <message>
        <source>Use default</source>
        <translation>Usar el predeterminado</translation>
    </message>
    <message>
        <source>Set in the environment, which takes precedence: %1</source>
        <translation>Definido en el entorno, que tiene prioridad: %1</translation>
    </message>
    <message>
        <source>Enter the server&apos;s web address, for example https://money.example.org</source>
        <translation>Introduzca la dirección web del servidor, por ejemplo https://money.example.org</translation>
    </message>
    <message>
        <source>The new server is used from the next start of Tovarly Pennibar.</source>
        <translation>El nuevo servidor se usará a partir del próximo inicio de Tovarly Pennibar.</translation>
    </message>
    <message>
        <source>Tovarly&apos;s servers are used from the next start of Tovarly Pennibar.</source>
        <translation>Los servidores de Tovarly se usarán a partir del próximo inicio de Tovarly Pennibar.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Tovarly Pennibar looks.</source>
        <translation>Controle el aspecto de Tovarly Pennibar.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tovarly Pennibar.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Tovarly Pennibar.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran los movimientos en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea debajo del beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ordenación</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de los movimientos en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero los movimientos más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si está activado, los movimientos más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your pennibar in sync across all your devices.</source>
        <translation>Mantenga su pennibar sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>The Tovarly server to sign in to, sync with and take updates from. A household that runs its own pennibar-server enters its address.</source>
        <translation>El servidor de Tovarly en el que iniciar sesión, con el que sincronizar y del que recibir actualizaciones. Un hogar que ejecuta su propio pennibar-server introduce aquí su dirección.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde o restaure sus datos en un archivo de copia de seguridad portátil.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que haya eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar seleccionadas</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Tovarly Account to enable sync.</source>
        <translation>Sesión no iniciada.
Inicie sesión en Archivo › Cuenta Tovarly para activar la sincronización.</translation>
    </message>
    <message>
        <source>pennibar-backup-%1.zip</source>
        <translation>pennibar-backup-%1.zip</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar marcas de tiempo)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>The backup was not imported:
%1</source>
        <translation>No se ha importado la copia de seguridad:
%1</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos y se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital register for tracking your household finances: accounts, payments and deposits with a running balance, recurring transactions, reconciliation, reports and backups, all kept on this computer.</source>
        <translation>Un registro digital para llevar las finanzas de su hogar: cuentas, pagos e ingresos con saldo acumulado, movimientos periódicos, conciliación, informes y copias de seguridad, todo guardado en este equipo.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;Tovarly Pennibar website&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar for your phone&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Sitio web de Tovarly Pennibar&lt;/a&gt;&lt;br&gt;&lt;a href=&quot;%2&quot;&gt;Pennibar para su teléfono&lt;/a&gt;</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Esta aplicación usa el framework Qt bajo la licencia LGPL v3.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>
Error: %1</source>
        <translation>
Error: %1</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a enviar al servidor todas las filas locales y se volverán a descargar todos los datos del servidor. Úselo si los datos no coinciden entre dispositivos.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of the last sync</comment>
        <translation>d MMM, H:mm</translation>
    </message>
</context>
<context>
    <name>SignInMessages</name>
    <message>
        <source>Sign in on the page now open in your web browser</source>
        <translation>Inicie sesión en la página que se ha abierto en su navegador web</translation>
    </message>
    <message>
        <source>no local port was free for the browser to come back to</source>
        <translation>no había ningún puerto local libre al que pudiera volver el navegador</translation>
    </message>
    <message>
        <source>the browser came back without a sign-in</source>
        <translation>el navegador volvió sin un inicio de sesión</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>the server did not accept it; please sign in again</source>
        <translation>el servidor no lo aceptó; vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>the server could not be reached to finish it; please sign in again</source>
        <translation>no se pudo contactar con el servidor para completarlo; vuelva a iniciar sesión</translation>
    </message>
</context>
<context>
    <name>SmartDateEdit</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar movimiento</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1 but the transaction is %2. Change them until nothing remains.</source>
        <translation>Las líneas del desglose suman %1, pero el movimiento es de %2. Modifíquelas hasta que no quede nada.</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Añadir línea</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Quitar</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Desglosar movimiento</translation>
    </message>
    <message>
        <source>Choose a category for each split line that has an amount.</source>
        <translation>Elija una categoría para cada línea del desglose que tenga importe.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n periódico vencido</numerusform>
            <numerusform>  •  %n periódicos vencidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncConflictsPanel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Recurring transaction</source>
        <translation>Movimiento periódico</translation>
    </message>
    <message>
        <source>Reconciliation</source>
        <translation>Conciliación</translation>
    </message>
    <message>
        <source>Transaction</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Replaced %1</source>
        <translation>Sustituido el %1</translation>
    </message>
    <message>
        <source>MMM d, h:mm ap</source>
        <comment>QDateTime format of a replacement</comment>
        <translation>d MMM, H:mm</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; Keep Mine adds it again</source>
        <translation>%1 · eliminado en otro dispositivo; «Conservar la mía» lo vuelve a añadir</translation>
    </message>
    <message>
        <source>%1 · deleted on another device; it cannot be put back</source>
        <translation>%1 · eliminado en otro dispositivo; no se puede restaurar</translation>
    </message>
    <message>
        <source>Sync Conflicts</source>
        <translation>Conflictos de sincronización</translation>
    </message>
    <message>
        <source>Changes made on this device that a newer version from another device replaced. Keep yours to apply it again, or discard it to keep theirs.</source>
        <translation>Cambios hechos en este dispositivo que una versión más reciente de otro dispositivo ha sustituido. Conserve la suya para volver a aplicarla o descártela para quedarse con la otra.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Conservar la mía</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your version could not be put back. It stays in the list.</source>
        <translation>No se ha podido restaurar su versión. Sigue en la lista.</translation>
    </message>
    <message>
        <source>Discard your version of &quot;%1&quot;? The version from the other device stays.</source>
        <translation>¿Descartar su versión de «%1»? Se conserva la versión del otro dispositivo.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Could not store the pulled changes</source>
        <translation>No se pudieron guardar los cambios recibidos</translation>
    </message>
</context>
<context>
    <name>SyncFailure</name>
    <message>
        <source>The sync server could not be reached</source>
        <translation>No se puede conectar con el servidor de sincronización</translation>
    </message>
    <message>
        <source>The sync server no longer accepts your sign-in; please sign in again</source>
        <translation>El servidor de sincronización ya no acepta su inicio de sesión; vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>The sync server refused access to your data</source>
        <translation>El servidor de sincronización ha denegado el acceso a sus datos</translation>
    </message>
    <message>
        <source>The server at this address does not offer sync (HTTP 404)</source>
        <translation>El servidor de esta dirección no ofrece sincronización (HTTP 404)</translation>
    </message>
    <message>
        <source>The sync server is busy; sync will try again later</source>
        <translation>El servidor de sincronización está ocupado; se volverá a intentar más tarde</translation>
    </message>
    <message>
        <source>The changes are too large for the sync server to accept (HTTP 413)</source>
        <translation>Los cambios son demasiado grandes para el servidor de sincronización (HTTP 413)</translation>
    </message>
    <message>
        <source>The sync server ran into a problem (HTTP %1); sync will try again later</source>
        <translation>El servidor de sincronización ha tenido un problema (HTTP %1); se volverá a intentar más tarde</translation>
    </message>
    <message>
        <source>The sync server refused the request (HTTP %1)</source>
        <translation>El servidor de sincronización ha rechazado la solicitud (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>TovAccount::ShareMembersDialog</name>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Añadir personas</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Aún no se ha compartido con nadie.</translation>
    </message>
    <message>
        <source>You don&apos;t have a family group yet. Once people join your group, you can share this account with them here.</source>
        <translation>Todavía no tiene un grupo familiar. Cuando otras personas se unan a su grupo, podrá compartir esta cuenta con ellas aquí.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Todos los miembros del grupo ya tienen acceso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>¿Quitar el acceso?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 dejará de tener acceso. ¿Continuar?</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateCommands</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión para %1 %2</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Error al buscar actualizaciones: %1</translation>
    </message>
</context>
<context>
    <name>TovUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*No hay notas disponibles para esta versión.*</translation>
    </message>
</context>
<context>
    <name>TovUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>TransactionDeleter</name>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar el traspaso «%1» de %2?

Se eliminarán los dos lados del traspaso.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» de %2?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar movimiento</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Detalles del movimiento</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Traspaso a:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas del desglose</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no hay líneas de desglose registradas)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Introducido: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Conciliado</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Sin compensar</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar como sin compensar</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar como compensado</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nuevo movimiento</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar movimiento</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Desglosar...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Desglosar este movimiento en varias categorías, con sus propios importes y notas.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Usar una sola categoría</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Quitar el desglose y volver a un movimiento con una sola categoría.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Desglose—</translation>
    </message>
    <message>
        <source>Enter a valid date</source>
        <translation>Introduzca una fecha válida</translation>
    </message>
</context>
<context>
    <name>TypedAmount</name>
    <message>
        <source>&quot;%1&quot; could be read two ways: type thousands without a separator and decimals after &quot;%2&quot;, as in %3</source>
        <translation>«%1» se puede leer de dos maneras: escriba los miles sin separador y los decimales después de «%2», como en %3</translation>
    </message>
    <message>
        <source>Enter whole yen, without decimals</source>
        <translation>Introduzca yenes enteros, sin decimales</translation>
    </message>
    <message>
        <source>Enter at most two decimals, as in %1</source>
        <translation>Introduzca como máximo dos decimales, como en %1</translation>
    </message>
    <message>
        <source>Enter an amount up to %1</source>
        <translation>Introduzca un importe de hasta %1</translation>
    </message>
    <message>
        <source>Enter a valid amount</source>
        <translation>Introduzca un importe válido</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha caducado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona totalmente sin conexión. Sus datos se quedan en este dispositivo.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorro, tarjeta de crédito o cualquier cuenta que quiera seguir).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Anote los movimientos a medida que gasta.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando llegue su extracto.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bienvenido de nuevo</translation>
    </message>
    <message>
        <source>Welcome to
Tovarly Pennibar</source>
        <translation>Bienvenido a
Tovarly Pennibar</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>A digital pennibar register.</source>
        <translation>Un registro digital Pennibar.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Iniciar sesión</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Crear su primera cuenta</translation>
    </message>
</context>
</TS>

-- Tables of the time clock. Safe to load again on an existing database.
-- The server must store table names in lower case and compare them without case
-- (lower_case_table_names=1): the program writes both Ponto and ponto.

CREATE TABLE IF NOT EXISTS ponto (
  id                INT NOT NULL AUTO_INCREMENT,
  codigofuncionario DOUBLE NULL,
  nomefuncionario   VARCHAR(50) NULL,
  data              DATE NULL,
  hora              TIME NULL,
  foto              LONGBLOB NULL,
  c                 DOUBLE NULL,
  senha             VARCHAR(50) NULL,
  -- Kept by the server: time of insertion, moved forward by every change.
  dataprocessamento TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  KEY ponto_data_senha (data, senha),
  KEY ponto_funcionario_data (codigofuncionario, data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS funcionario (
  CodigoFuncionario INT NOT NULL AUTO_INCREMENT,
  NomeFuncionario   VARCHAR(50) NULL,
  Foto              LONGBLOB NULL,
  senha             VARCHAR(5) NULL,
  Ativo             CHAR(1) NULL,
  PRIMARY KEY (CodigoFuncionario),
  KEY funcionario_senha (senha),
  KEY funcionario_ativo_nome (Ativo, NomeFuncionario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- The day sheet: emptied and filled again by every build.
CREATE TABLE IF NOT EXISTS pontocontadortemp (
  id                INT NOT NULL AUTO_INCREMENT,
  codigofuncionario DOUBLE NULL,
  nomefuncionario   VARCHAR(50) NULL,
  data              DATE NULL,
  hora              TIME NULL,
  hora01            TIME NULL,
  hora02            TIME NULL,
  hora03            TIME NULL,
  totalhoras        TIME NULL,
  c                 DOUBLE NULL,
  foto              LONGBLOB NULL,
  senha             VARCHAR(50) NULL,
  dataprocessamento DATETIME NULL,
  PRIMARY KEY (id),
  KEY pontocontadortemp_funcionario (codigofuncionario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS configuracao (
  Nome            VARCHAR(50) NULL,
  Endereco        VARCHAR(50) NULL,
  Bairro          VARCHAR(40) NULL,
  Cidade          VARCHAR(40) NULL,
  Estado          VARCHAR(2) NULL,
  Cep             VARCHAR(8) NULL,
  Tel1            VARCHAR(15) NULL,
  Tel2            VARCHAR(15) NULL,
  Fax             VARCHAR(15) NULL,
  Email           VARCHAR(50) NULL,
  Setor           VARCHAR(50) NULL,
  Cpf             VARCHAR(14) NULL,
  Cnpj            VARCHAR(15) NULL,
  Insc            VARCHAR(15) NULL,
  NomeResponsavel VARCHAR(50) NULL,
  Email02         VARCHAR(50) NULL,
  Controle        INT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS setup_i (
  Codigo             INT NOT NULL AUTO_INCREMENT,
  USUARIO            VARCHAR(15) NULL,
  setor              VARCHAR(15) NULL,
  SENHA              VARCHAR(15) NULL,
  contrasenha        VARCHAR(15) NULL,
  CODFUN             VARCHAR(3) NULL,
  CLI  VARCHAR(8) NULL, FOR_ VARCHAR(8) NULL, FUN  VARCHAR(8) NULL, DEP  VARCHAR(8) NULL,
  FIL  VARCHAR(8) NULL, REC  VARCHAR(8) NULL, SUB  VARCHAR(8) NULL, GRU  VARCHAR(8) NULL,
  GRI  VARCHAR(8) NULL, ORC  VARCHAR(8) NULL, ENT  VARCHAR(8) NULL, PRO  VARCHAR(8) NULL,
  TRF  VARCHAR(8) NULL, CMO  VARCHAR(8) NULL, BAI  VARCHAR(8) NULL, CMOC VARCHAR(8) NULL,
  TCO  VARCHAR(8) NULL, CAI  VARCHAR(8) NULL, CPG  VARCHAR(8) NULL, CHQ  VARCHAR(8) NULL,
  TSF  VARCHAR(8) NULL, TFS  VARCHAR(8) NULL, RFS  VARCHAR(8) NULL, UTI  VARCHAR(8) NULL,
  NomeMaquinaLogado  VARCHAR(255) NULL,
  SerieMaquinaLogado VARCHAR(255) NULL,
  IPMaquinaLogado    VARCHAR(255) NULL,
  DataHoraLogado     DATETIME NULL,
  NumCaixaLogado     VARCHAR(50) NULL,
  apelido            VARCHAR(50) NULL,
  PRIMARY KEY (Codigo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS filial (
  Codigofilial INT NULL,
  Nomefilial   VARCHAR(50) NULL,
  Obs          TEXT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;
